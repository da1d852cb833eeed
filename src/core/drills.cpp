// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

const DrillRules &rulesOf(Drill drill)
{
    switch (drill) {
    case Drill::Addition:
        return additionRules();
    case Drill::Subtraction:
        return subtractionRules();
    case Drill::Completion:
        return completionRules();
    case Drill::Multiplication:
        return multiplicationRules();
    case Drill::Division:
        break;
    }
    return divisionRules();
}

} // namespace kalkora
