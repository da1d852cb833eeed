// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/trainer.h"

#include "app/windowplacement.h"

#include <QAction>

namespace kalkora {

Trainer::Started::Started(DrillSet &drills, LimitStore &store, FileFaultReporter &reporter)
{
    if (const SettingsError error = store.load())
        reporter.loadFailed(store.file().path(), *error);
    drills.poseFirstProblems();
}

Trainer::Trainer(ProblemSource &problems, const SettingsFile &file, FileFaultReporter &reporter,
                 ExitQuestion &question)
    : m_drills(problems), m_store(m_drills, file), m_started(m_drills, m_store, reporter),
      m_window(m_drills), m_ending(m_window, m_store, reporter, question)
{
    centreOnScreen(m_window);
}

} // namespace kalkora
