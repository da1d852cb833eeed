// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drillsession.h"

#include <memory>
#include <vector>

namespace kalkora {

class RandomSource;

// The trainer's five drill sessions in tab order, drawing from one generator.
// They hold everything a page shows, so they live from start-up to the end of
// the run whether or not a page has been opened.
class DrillSet
{
public:
    explicit DrillSet(RandomSource &random);

    int count() const { return int(m_sessions.size()); }
    DrillSession &session(int index) { return *m_sessions.at(std::size_t(index)); }
    const DrillSession &session(int index) const { return *m_sessions.at(std::size_t(index)); }

    // Each session's first problem, in tab order: the addition, subtraction,
    // completion and multiplication drawings seed the generator, and the
    // division drawing goes on from the multiplication page's numbers.
    void poseFirstProblems();

    // The banner timer's tick: every banner is hidden.
    void hideBanners();

private:
    std::vector<std::unique_ptr<DrillSession>> m_sessions;
};

} // namespace kalkora
