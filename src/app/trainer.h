// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ending.h"
#include "app/mainwindow.h"
#include "core/drillset.h"
#include "settings/limitstore.h"

#include <memory>

namespace kalkora {

class Dialogs;
class ProblemSource;
class SettingsFile;

// The running trainer: the drill sessions with their stored limits, the
// window that shows them and the ways it ends, made in start-up order. It
// sets no focus, selects no tab and leaves the window to be shown.
class Trainer
{
public:
    Trainer(ProblemSource &problems, const SettingsFile &file, Dialogs &dialogs);

    DrillSet &drills() { return m_drills; }
    MainWindow &window() { return *m_window; }

private:
    DrillSet m_drills;
    LimitStore m_store;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Ending> m_ending;
};

} // namespace kalkora
