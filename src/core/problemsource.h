// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drills.h"

namespace kalkora {

// Where the sessions' problems come from. The trainer draws them by each
// drill's rules; a test of the check flow or of the window hands in the
// problems it needs, so that it holds whatever way a drawing uses its numbers.
class ProblemSource
{
public:
    virtual ~ProblemSource() = default;
    // The drill's problem that comes next under the limits, the drawing's
    // kind and the problem on the page.
    virtual Problem pose(Drill drill, const LimitValues &limits, Drawing drawing,
                         const Problem &current) = 0;
};

// Problems drawn by the drills' rules from the generator.
class DrawnProblems final : public ProblemSource
{
public:
    explicit DrawnProblems(RandomSource &random) : m_random(random) {}
    Problem pose(Drill drill, const LimitValues &limits, Drawing drawing,
                 const Problem &current) override
    {
        return rulesOf(drill).draw(m_random, limits, drawing, current);
    }

private:
    RandomSource &m_random;
};

} // namespace kalkora
