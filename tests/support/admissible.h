// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The problems each page promises the child, written out apart from the
// rules that draw them; the drill tests and the session fuzzer share it.

#include "core/drills.h"

#include <algorithm>
#include <cmath>

namespace kalkora::test {

inline bool admissible(Drill drill, const Problem &p, const LimitValues &l, Drawing drawing)
{
    const qint64 a = p.first, b = p.second;
    switch (drill) {
    case Drill::Addition:
        return a >= 1 && b >= 1 && a + b <= l[0] &&
               (drawing == Drawing::Next || (a < 100 && b < 100));
    case Drill::Subtraction:
        return b >= 1 && b < a && a <= std::ceil(l[0]);
    case Drill::Completion:
        if (p.kind == ProblemKind::MissingAddend)
            return 2 <= a && a <= b && b <= 100 && a + b <= l[0];
        return p.kind == ProblemKind::MissingSubtrahend && 2 <= b && b <= a &&
               a <= std::ceil(l[0]) + 1 && b <= 100;
    case Drill::Multiplication:
        return a >= 2 && b >= 2 && a <= 10 && b <= 10 && a * b <= l[0] &&
               (drawing == Drawing::First || std::min(a, b) <= l[1]);
    case Drill::Division:
        break;
    }
    return b >= 2 && b <= 11 && a % b == 0 && a / b >= 2 && a / b <= 11 && a <= l[0] && b <= l[1];
}

} // namespace kalkora::test
