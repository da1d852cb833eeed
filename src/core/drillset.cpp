// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drillset.h"

namespace kalkora {

DrillSet::DrillSet(ProblemSource &problems)
{
    for (const Drill drill : kDrills)
        m_sessions[std::size_t(drill)] = std::make_unique<DrillSession>(rulesOf(drill), problems);
}

void DrillSet::poseFirstProblems()
{
    for (const auto &session : m_sessions)
        session->poseFirstProblem();
}

void DrillSet::hideBanners()
{
    for (const auto &session : m_sessions)
        session->hideBanner();
}

} // namespace kalkora
