#pragma once

#include "drillrules.h"

namespace kalkora {

// a * b with factors 2..10, the product at most the product limit (first
// limit) and, from the first right answer on, the smaller factor at most the
// multiplier limit (second limit). Reseeds once per problem.
class MultiplicationRules final : public DrillRules
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
