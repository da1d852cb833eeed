// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ending.h"

#include "app/mainwindow.h"
#include "app/wording.h"
#include "settings/limitstore.h"

#include <QAction>
#include <QGuiApplication>

namespace kalkora {

Ending::Ending(MainWindow &window, LimitStore &store, Dialogs &dialogs)
    : m_window(window), m_store(store), m_dialogs(dialogs)
{
    using Channel = Dialogs::Channel;
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
    if (m_unloaded)
        return;
    m_dialogs.askToEnd(&m_window, [this](bool yes) {
        if (yes && !m_unloaded)
            unload(Dialogs::Channel::Box, [this] { m_window.close(); });
    });
}

void Ending::unload(Dialogs::Channel channel, std::function<void()> then)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_dialogs.withdrawQuestion();
    save(channel, std::move(then));
}

void Ending::save(Dialogs::Channel channel, std::function<void()> then)
{
    if (const SettingsError error = m_store.save())
        m_dialogs.reportFileFault(&m_window, kSaveFailed.arg(m_store.file().path()), *error,
                                  channel, std::move(then));
    else if (then)
        then();
}

} // namespace kalkora
