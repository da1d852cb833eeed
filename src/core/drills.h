// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drillrules.h"

namespace kalkora {

// The five drills, in the order in which start-up poses their first problems.
// Where each shows (its tab) and where its limits are stored (the settings
// record) are said by the window and the settings file, each in its own list.
enum class Drill { Addition, Subtraction, Completion, Multiplication, Division };
inline constexpr Drill kDrills[] = {Drill::Addition, Drill::Subtraction, Drill::Completion,
                                    Drill::Multiplication, Drill::Division};

// The drills' rules, one shared instance each.
const DrillRules &additionRules();
const DrillRules &subtractionRules();
const DrillRules &completionRules();
const DrillRules &multiplicationRules();
const DrillRules &divisionRules();
const DrillRules &rulesOf(Drill drill);

// The kind of missing-number problem the completion page's coming drawing
// poses: the addend kind first, then the other kind of the one on the page.
ProblemKind completionKindToDraw(Drawing drawing, const Problem &current);

} // namespace kalkora
