#pragma once

#include "drillrules.h"

namespace kalkora {

// a - b with 1 <= b < a <= the limit, reseeding once per problem.
class SubtractionRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override;
    QString historySign() const override;
    double expected(const Problem &problem) const override;
    QList<int> blockingLimits(const LimitValues &limits, Drawing drawing,
                              const Problem &current) const override;
    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &current) const override;
};

} // namespace kalkora
