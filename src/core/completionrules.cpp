// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

ProblemKind completionKindToDraw(Drawing drawing, const Problem &current)
{
    if (drawing == Drawing::First || current.kind == ProblemKind::MissingSubtrahend)
        return ProblemKind::MissingAddend;
    return ProblemKind::MissingSubtrahend;
}

namespace {

// Missing-number problems of two kinds that alternate with every new problem:
// "a + ? = b" (2 <= a <= b <= 100, a + b at most the limit) and "a - ? = b"
// (a drawn up to limit + 1, 2 <= b <= a, b <= 100).
class CompletionRules final : public DrillRules
{
public:
    double expected(const Problem &p) const override
    {
        const double a = double(p.first);
        const double b = double(p.second);
        if (p.kind == ProblemKind::MissingSubtrahend)
            return a - b;
        // The addend kind asks for the gap between the two numbers, whichever is larger.
        if (b > a)
            return b - a;
        if (a > b)
            return a - b;
        return 0;
    }

    LimitValues leastWorkable(Drawing drawing, const Problem &current) const override
    {
        // 2 + ? = 2 is the smallest addend problem (sum 4); 2 - ? = 2 needs a limit of 1.
        const bool addend = completionKindToDraw(drawing, current) == ProblemKind::MissingAddend;
        return {addend ? 4.0 : 1.0};
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &current) const override
    {
        const double limit = limits[0];
        const ProblemKind kind = completionKindToDraw(drawing, current);
        random.seedFromClock();
        if (kind == ProblemKind::MissingAddend) {
            // Both numbers come from 2..100 and are rejected until they fit,
            // drawn as earlier versions drew them. The sum test comes
            // first: it rejects nearly every attempt at tight limits and so is
            // almost always predicted right, where a > b is a coin toss.
            const auto [a, b] =
                drawPair(random, {99, 2}, {99, 2},
                         [limit](qint64 x, qint64 y) { return x + y <= limit && x <= y; }, {2, 2});
            return {a, b, kind};
        }
        const auto [a, b] = drawPair(random, {limit, 2}, {99, 2},
                                     [](qint64 x, qint64 y) { return x >= y; }, {2, 2});
        return {a, b, kind};
    }
};

} // namespace

const DrillRules &completionRules()
{
    return rulesInstance<CompletionRules>();
}

} // namespace kalkora
