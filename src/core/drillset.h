// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drills.h"
#include "core/drillsession.h"

#include <array>
#include <memory>

namespace kalkora {

class ProblemSource;

// The trainer's five drill sessions, their problems from one source. They hold
// everything a page shows, so they live from start-up to the end of the run.
class DrillSet
{
public:
    explicit DrillSet(ProblemSource &problems);

    DrillSession &session(Drill drill) { return *m_sessions[std::size_t(drill)]; }
    const DrillSession &session(Drill drill) const { return *m_sessions[std::size_t(drill)]; }

    // Each session's first problem, in the order of kDrills.
    void poseFirstProblems();

    // The banner timer's tick: every banner is hidden.
    void hideBanners();

private:
    std::array<std::unique_ptr<DrillSession>, kDrillCount> m_sessions; // by Drill
};

} // namespace kalkora
