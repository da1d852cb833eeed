// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

std::span<const DrillRules *const> drillsInTabOrder()
{
    static const DrillRules *const drills[] = {&additionRules(), &subtractionRules(),
                                               &completionRules(), &multiplicationRules(),
                                               &divisionRules()};
    return drills;
}

} // namespace kalkora
