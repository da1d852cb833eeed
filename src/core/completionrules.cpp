#include "drills.h"

#include "random.h"

namespace kalkora {

int completion::kindToDraw(Drawing drawing, const Problem &current)
{
    if (drawing == Drawing::First || current.kind == kMissingSubtrahend)
        return kMissingAddend;
    return kMissingSubtrahend;
}

namespace {

using completion::kindToDraw;
using completion::kMissingAddend;
using completion::kMissingSubtrahend;

// Missing-number problems of two kinds that alternate with every new problem:
// kMissingAddend "a + ? = b" (2 <= a <= b <= 100, a + b at most the limit) and
// kMissingSubtrahend "a - ? = b" (a drawn up to limit + 1, 2 <= b <= a, b <= 100).
class CompletionRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override { return {{10, 50}}; }

    double expected(const Problem &p) const override
    {
        const double a = double(p.first);
        const double b = double(p.second);
        if (p.kind == kMissingSubtrahend)
            return a - b;
        // The addend kind asks for the gap between the two numbers, whichever is larger.
        if (b > a)
            return b - a;
        if (a > b)
            return a - b;
        return 0;
    }

    QList<int> blockingLimits(const LimitValues &limits, Drawing drawing,
                              const Problem &current) const override
    {
        // 2 + ? = 2 is the smallest addend problem (sum 4); 2 - ? = 2 needs a limit of 1.
        const double needed = kindToDraw(drawing, current) == kMissingAddend ? 4 : 1;
        if (limits[0] < needed)
            return {0};
        return {};
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &current) const override
    {
        const double limit = limits[0];
        const int kind = kindToDraw(drawing, current);
        random.seedFromClock();
        if (kind == kMissingAddend) {
            return drawByRejection(
                [&]() -> std::optional<Problem> {
                    const qint64 a = pick(random.next(), 99, 2);
                    const qint64 b = pick(random.next(), 99, 2);
                    // The sum test first: it rejects nearly every attempt at tight
                    // limits and so is almost always predicted right, where a > b
                    // is a coin toss.
                    if (a + b > limit || a > b)
                        return std::nullopt;
                    return Problem{a, b, kind};
                },
                Problem{2, 2, kind});
        }
        return drawByRejection(
            [&]() -> std::optional<Problem> {
                const qint64 a = pick(random.next(), limit, 2);
                const qint64 b = pick(random.next(), 99, 2);
                if (a < b)
                    return std::nullopt;
                return Problem{a, b, kind};
            },
            Problem{2, 2, kind});
    }
};

} // namespace

const DrillRules &completionRules()
{
    static const CompletionRules rules;
    return rules;
}

} // namespace kalkora
