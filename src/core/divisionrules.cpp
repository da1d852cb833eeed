#include "divisionrules.h"

#include "random.h"

namespace kalkora {

QList<LimitRule> DivisionRules::limits() const
{
    return {{20, 50}, {2, 5}};
}

double DivisionRules::expected(const Problem &p) const
{
    return double(p.first) / double(p.second);
}

QList<int> DivisionRules::blockingLimits(const LimitValues &limits, Drawing, const Problem &) const
{
    QList<int> blocking;
    if (limits[0] < 4) // 4 : 2
        blocking << 0;
    if (limits[1] < 2)
        blocking << 1;
    return blocking;
}

Problem DivisionRules::draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                            const Problem &) const
{
    const double dividendLimit = limits[0];
    const double divisorLimit = limits[1];
    if (drawing == Drawing::Next)
        random.seedFromClock();
    return drawByRejection(
        [&]() -> std::optional<Problem> {
            const qint64 d = pick(random.next(), 10, 2);
            const qint64 q = pick(random.next(), 10, 2);
            if (d > divisorLimit || d * q > dividendLimit)
                return std::nullopt;
            return Problem{d * q, d};
        },
        Problem{4, 2});
}

} // namespace kalkora
