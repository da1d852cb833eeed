// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

namespace kalkora {

// The signals by which a system asks a program to end: SIGTERM (a shutdown,
// kill), SIGHUP (the terminal that started it closes, a session without a
// session manager ends) and SIGINT (Ctrl+C). Left to their default, they
// would end the program on the spot, losing what the user typed. Here each
// becomes received() on the event loop, through Qt's pattern for Unix
// signals: the handler only writes a byte into a socket pair, which a
// QSocketNotifier watches. One object at a time; it restores the default
// handlers when it goes.
class TerminationSignals final : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received(int signal);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace kalkora
