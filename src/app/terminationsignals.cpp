// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace kalkora {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// [0] the handler writes, [1] the notifier reads.
int signalPipe[2] = {-1, -1};

extern "C" void writeSignal(int signal)
{
    // Only what is safe in a signal handler: one write, errno kept.
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

void setHandler(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return; // the signals keep their default: the program ends as before
    m_notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignal);
    for (const int signal : kSignals)
        setHandler(signal, writeSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (const int signal : kSignals)
        setHandler(signal, SIG_DFL);
    delete m_notifier; // before the socket it watches
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignals::readSignal()
{
    char byte = 0;
    while (::read(signalPipe[1], &byte, 1) == 1)
        Q_EMIT received(byte);
}

} // namespace kalkora
