// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/filefaultreporter.h"

#include <QObject>

namespace kalkora {

class ExitQuestion;
class LimitStore;
class MainWindow;

// The ways the program ends, and the limits saved on each, once: the end
// command, which asks first and on Yes unloads and closes the window; the
// window frame's close (close box, Alt+F4, the system menu), which asks
// nobody; the session ending (logout), which saves without closing; and the
// application quitting.
class Ending final : public QObject
{
    Q_OBJECT
public:
    Ending(MainWindow &window, LimitStore &store, FileFaultReporter &reporter,
           ExitQuestion &question);

    // The end command: asks, and on Yes unloads and closes the window.
    void endCommand();
    // The window's unload: the limits are saved, once; a question still
    // waiting is withdrawn.
    void unload(FileFaultReporter::Channel channel);
    // Saves the limits without unloading, when the session is about to end
    // and the window may not get to close.
    void save(FileFaultReporter::Channel channel);

private:
    MainWindow &m_window;
    LimitStore &m_store;
    FileFaultReporter &m_reporter;
    ExitQuestion &m_question;
    bool m_unloaded = false;
};

} // namespace kalkora
