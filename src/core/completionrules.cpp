#include "completionrules.h"

#include "random.h"

namespace kalkora {

QList<LimitRule> CompletionRules::limits() const
{
    return {{10, 50}};
}

double CompletionRules::expected(const Problem &p) const
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

int CompletionRules::kindToDraw(Drawing drawing, const Problem &current)
{
    if (drawing == Drawing::First || current.kind == kMissingSubtrahend)
        return kMissingAddend;
    return kMissingSubtrahend;
}

QList<int> CompletionRules::blockingLimits(const LimitValues &limits, Drawing drawing,
                                           const Problem &current) const
{
    // 2 + ? = 2 is the smallest addend problem (sum 4); 2 - ? = 2 needs a limit of 1.
    const double needed = kindToDraw(drawing, current) == kMissingAddend ? 4 : 1;
    if (limits[0] < needed)
        return {0};
    return {};
}

Problem CompletionRules::draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                              const Problem &current) const
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

} // namespace kalkora
