// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drillset.h"

#include "core/drills.h"

namespace kalkora {

DrillSet::DrillSet(RandomSource &random)
{
    for (const DrillRules *rules : drillsInTabOrder())
        m_sessions.push_back(std::make_unique<DrillSession>(*rules, random));
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
