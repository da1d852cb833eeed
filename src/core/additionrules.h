#pragma once

#include "drillrules.h"

namespace kalkora {

// a + b with a, b >= 1 and a + b at most the limit. The first problem keeps both
// operands below 100 whatever the limit; every later one reseeds on every pass.
class AdditionRules final : public DrillRules
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
