// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ending.h"
#include "app/mainwindow.h"
#include "core/drillset.h"
#include "settings/limitstore.h"

namespace kalkora {

class ExitQuestion;
class FileFaultReporter;
class ProblemSource;
class SettingsFile;

// The running trainer: the drill sessions with their stored limits, the
// window that shows them and the ways it ends. Made in start-up order: the
// stored limits into the sessions (a file that cannot be read is told in a
// box), each session's first problem in tab order, then the window with the
// first page, centred on the screen and not yet shown. It sets no focus and
// selects no tab.
class Trainer
{
public:
    Trainer(ProblemSource &problems, const SettingsFile &file, FileFaultReporter &reporter,
            ExitQuestion &question);

    DrillSet &drills() { return m_drills; }
    MainWindow &window() { return m_window; }
    Ending &ending() { return m_ending; }

private:
    struct Started
    {
        Started(DrillSet &drills, LimitStore &store, FileFaultReporter &reporter);
    };

    DrillSet m_drills;
    LimitStore m_store;
    Started m_started; // before the window: it shows the sessions as start-up leaves them
    MainWindow m_window;
    Ending m_ending;
};

} // namespace kalkora
