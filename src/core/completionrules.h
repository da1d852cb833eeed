#pragma once

#include "drillrules.h"

namespace kalkora {

// Missing-number problems of two kinds that alternate with every new problem:
// kMissingAddend "a + ? = b" (2 <= a <= b <= 100, a + b at most the limit) and
// kMissingSubtrahend "a - ? = b" (a drawn up to limit + 1, 2 <= b <= a, b <= 100).
class CompletionRules final : public DrillRules
{
public:
    static constexpr int kMissingAddend = 2;
    static constexpr int kMissingSubtrahend = 1;

    QList<LimitRule> limits() const override;
    double expected(const Problem &problem) const override;
    QList<int> blockingLimits(const LimitValues &limits, Drawing drawing,
                              const Problem &current) const override;
    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &current) const override;

    // The kind the coming drawing poses: the addend kind first, then the other
    // kind of the one on the page.
    static int kindToDraw(Drawing drawing, const Problem &current);
};

} // namespace kalkora
