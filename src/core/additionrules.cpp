#include "additionrules.h"

#include "random.h"

namespace kalkora {

QList<LimitRule> AdditionRules::limits() const
{
    return {{10, 50}};
}

QString AdditionRules::historySign() const
{
    return QStringLiteral("+");
}

double AdditionRules::expected(const Problem &p) const
{
    return double(p.first) + double(p.second);
}

QList<int> AdditionRules::blockingLimits(const LimitValues &limits, Drawing, const Problem &) const
{
    if (limits[0] < 2) // 1 + 1 is the smallest sum
        return {0};
    return {};
}

Problem AdditionRules::draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                            const Problem &) const
{
    const double limit = limits[0];
    if (drawing == Drawing::First) {
        random.seedFromClock();
        return drawByRejection(
            [&]() -> std::optional<Problem> {
                const qint64 a = pick(random.next(), 99, 1);
                const qint64 b = pick(random.next(), 99, 1);
                if (a + b > limit)
                    return std::nullopt;
                return Problem{a, b};
            },
            Problem{1, 1});
    }
    return drawByRejection(
        [&]() -> std::optional<Problem> {
            random.seedFromClock();
            const qint64 a = pick(random.next(), limit, 1);
            const qint64 b = pick(random.next(), limit, 1);
            if (a + b > limit)
                return std::nullopt;
            return Problem{a, b};
        },
        Problem{1, 1});
}

} // namespace kalkora
