// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/dialogs.h"

#include <QObject>

namespace kalkora {

class LimitStore;
class MainWindow;

// The ways the program ends, and the limits saved on each, once: the end
// command, which asks first and on Yes unloads and closes the window; the
// window frame's close (close box, Alt+F4, the system menu, a terminating
// signal), which asks nobody; the session ending (logout), which saves
// without closing; and the application quitting.
class Ending final : public QObject
{
    Q_OBJECT
public:
    Ending(MainWindow &window, LimitStore &store, Dialogs &dialogs);

    // The end command: asks, and on Yes unloads and closes the window, once
    // the user has read of a file fault, if there was one.
    void endCommand();

private:
    // The window's unload: the limits are saved, once; a question still
    // waiting is withdrawn. then() runs once a fault, if any, is told.
    void unload(Dialogs::Channel channel, std::function<void()> then = {});
    // Saves the limits without unloading, when the session is about to end
    // and the window may not get to close.
    void save(Dialogs::Channel channel, std::function<void()> then = {});

    MainWindow &m_window;
    LimitStore &m_store;
    Dialogs &m_dialogs;
    bool m_unloaded = false;
};

} // namespace kalkora
