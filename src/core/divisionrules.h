#pragma once

#include "drillrules.h"

namespace kalkora {

// n : d = q with divisor and quotient 2..11, the dividend n at most the first
// limit and the divisor at most the second. The first problem continues the
// generator's sequence without a reseed; later ones reseed once per problem.
class DivisionRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override;
    double expected(const Problem &problem) const override;
    QList<int> blockingLimits(const LimitValues &limits, Drawing drawing,
                              const Problem &current) const override;
    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &current) const override;
};

} // namespace kalkora
