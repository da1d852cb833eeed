#pragma once

#include "core/drills.h"

#include <algorithm>
#include <cmath>

namespace kalkora::test {

// The five drills' rules in tab order, for tests that go over every page.
inline const std::span<const DrillRules *const> kRules = drillsInTabOrder();
enum Page { Add, Sub, Compl, Mult, Div };
inline constexpr ProblemKind kAddend = ProblemKind::MissingAddend;
inline constexpr ProblemKind kSubtrahend = ProblemKind::MissingSubtrahend;

// The problems each page may pose, as the trainer promises them to the child.
inline bool admissible(Page page, const Problem &p, const LimitValues &l, Drawing drawing)
{
    const qint64 a = p.first, b = p.second;
    switch (page) {
    case Add:
        return a >= 1 && b >= 1 && a + b <= l[0] &&
               (drawing == Drawing::Next || (a < 100 && b < 100));
    case Sub:
        return b >= 1 && b < a && a <= std::ceil(l[0]);
    case Compl:
        if (p.kind == kAddend)
            return 2 <= a && a <= b && b <= 100 && a + b <= l[0];
        return p.kind == kSubtrahend && 2 <= b && b <= a && a <= std::ceil(l[0]) + 1 && b <= 100;
    case Mult:
        return a >= 2 && b >= 2 && a <= 10 && b <= 10 && a * b <= l[0] &&
               (drawing == Drawing::First || std::min(a, b) <= l[1]);
    case Div:
        return b >= 2 && b <= 11 && a % b == 0 && a / b >= 2 && a / b <= 11 && a <= l[0] &&
               b <= l[1];
    }
    return false;
}

} // namespace kalkora::test
