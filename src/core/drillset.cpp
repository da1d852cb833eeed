// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drillset.h"

namespace kalkora {

DrillSet::DrillSet(ProblemSource &problems)
{
    for (const DrillFacts &facts : kDrills)
        m_sessions[std::size_t(facts.drill)] =
            std::make_unique<DrillSession>(facts.drill, problems);
}

void DrillSet::poseFirstProblems()
{
    for (const DrillFacts &facts : kDrills)
        session(facts.drill).poseFirstProblem();
}

void DrillSet::hideBanners()
{
    for (const auto &session : m_sessions)
        session->hideBanner();
}

} // namespace kalkora
