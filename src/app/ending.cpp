// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ending.h"

#include "app/exitquestion.h"
#include "app/mainwindow.h"
#include "settings/limitstore.h"

#include <QAction>
#include <QGuiApplication>

namespace kalkora {

Ending::Ending(MainWindow &window, LimitStore &store, FileFaultReporter &reporter,
               ExitQuestion &question)
    : m_window(window), m_store(store), m_reporter(reporter), m_question(question)
{
    using Channel = FileFaultReporter::Channel;
    connect(window.endAction(), &QAction::triggered, this, &Ending::endCommand);
    // The frame's close, a logout or the application quitting: nobody is
    // asked, and nothing may wait for a person.
    connect(&window, &MainWindow::closing, this, [this] { unload(Channel::StandardError); });
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
        m_reporter.saveFailed(m_store.file().path(), *error, channel);
}

} // namespace kalkora
