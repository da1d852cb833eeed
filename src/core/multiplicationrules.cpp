#include "multiplicationrules.h"

#include "random.h"

namespace kalkora {

QList<LimitRule> MultiplicationRules::limits() const
{
    return {{10, 50}, {2, 5}};
}

double MultiplicationRules::expected(const Problem &p) const
{
    return double(p.first) * double(p.second);
}

QList<int> MultiplicationRules::blockingLimits(const LimitValues &limits, Drawing drawing,
                                               const Problem &) const
{
    QList<int> blocking;
    if (limits[0] < 4) // 2 * 2
        blocking << 0;
    if (drawing == Drawing::Next && limits[1] < 2) // the first problem ignores the multiplier
        blocking << 1;
    return blocking;
}

Problem MultiplicationRules::draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                                  const Problem &) const
{
    const double product = limits[0];
    const double multiplier = limits[1];
    const bool checkMultiplier = drawing == Drawing::Next;
    random.seedFromClock();
    return drawByRejection(
        [&]() -> std::optional<Problem> {
            const qint64 a = pick(random.next(), 99, 2);
            const qint64 b = pick(random.next(), 99, 2);
            if (a > 10 || b > 10)
                return std::nullopt;
            if (checkMultiplier && a > multiplier && b > multiplier)
                return std::nullopt;
            if (a * b > product)
                return std::nullopt;
            return Problem{a, b};
        },
        Problem{2, 2});
}

} // namespace kalkora
