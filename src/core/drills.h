// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drillrules.h"

#include <span>

namespace kalkora {

// The five drills' rules, one shared instance each.
const DrillRules &additionRules();
const DrillRules &subtractionRules();
const DrillRules &completionRules();
const DrillRules &multiplicationRules();
const DrillRules &divisionRules();

// The drills in the order of the tabs: addition, subtraction, completion,
// multiplication, division. Start-up poses their first problems in this order
// and the settings file keeps their limits in it.
std::span<const DrillRules *const> drillsInTabOrder();

// The kind of missing-number problem the completion page's coming drawing
// poses: the addend kind first, then the other kind of the one on the page.
ProblemKind completionKindToDraw(Drawing drawing, const Problem &current);

} // namespace kalkora
