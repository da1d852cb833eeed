#pragma once

#include "drillrules.h"

namespace kalkora {

// The five drills' rules, one shared instance each.
const DrillRules &additionRules();
const DrillRules &subtractionRules();
const DrillRules &completionRules();
const DrillRules &multiplicationRules();
const DrillRules &divisionRules();

// The completion page alternates two kinds of missing-number problem.
namespace completion {
inline constexpr int kMissingAddend = 2;     // "a + ? = b"
inline constexpr int kMissingSubtrahend = 1; // "a - ? = b"

// The kind the coming drawing poses: the addend kind first, then the other
// kind of the one on the page.
int kindToDraw(Drawing drawing, const Problem &current);
} // namespace completion

} // namespace kalkora
