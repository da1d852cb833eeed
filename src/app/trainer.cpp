// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/trainer.h"

#include "app/windowplacement.h"
#include "app/wording.h"

namespace kalkora {

Trainer::Trainer(ProblemSource &problems, const SettingsFile &file, Dialogs &dialogs)
    : m_drills(problems), m_store(m_drills, file)
{
    const SettingsError loadError = m_store.load();
    m_drills.poseFirstProblems();
    // The window shows the sessions as start-up leaves them.
    m_window = std::make_unique<MainWindow>(m_drills);
    m_ending = std::make_unique<Ending>(*m_window, m_store, dialogs);
    centreOnScreen(*m_window);
    // The box waits over the window; the window comes up behind it.
    if (loadError)
        dialogs.reportFileFault(m_window.get(), kLoadFailed.arg(file.path()), *loadError,
                                Dialogs::Channel::Box);
}

} // namespace kalkora
