// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ending.h"

#include "app/exitquestion.h"
#include "settings/limitstore.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace kalkora {

Ending::Ending(QWidget &window, QAction &endCommand, LimitStore &store, FileFaultReporter &reporter,
               ExitQuestion &question)
    : m_window(window), m_store(store), m_reporter(reporter), m_question(question)
{
    using Channel = FileFaultReporter::Channel;
    window.installEventFilter(this);
    connect(&endCommand, &QAction::triggered, this, &Ending::endCommand);
    // A logout may end the program without closing the window.
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this] { save(Channel::StandardError); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { unload(Channel::StandardError); });
}

void Ending::endCommand()
{
    if (m_unloaded || !m_question.ask(&m_window))
        return;
    unload(FileFaultReporter::Channel::Box);
    m_window.close();
}

void Ending::unload(FileFaultReporter::Channel channel)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_question.withdraw();
    save(channel);
}

void Ending::save(FileFaultReporter::Channel channel)
{
    if (const SettingsError error = m_store.save())
        m_reporter.saveFailed(*error, channel);
}

bool Ending::eventFilter(QObject *watched, QEvent *event)
{
    // The frame's close, a logout or the application quitting: nobody is
    // asked, and nothing may wait for a person.
    if (watched == &m_window && event->type() == QEvent::Close)
        unload(FileFaultReporter::Channel::StandardError);
    return QObject::eventFilter(watched, event);
}

} // namespace kalkora
