#include "subtractionrules.h"

#include "random.h"

namespace kalkora {

QList<LimitRule> SubtractionRules::limits() const
{
    return {{10, 50}};
}

QString SubtractionRules::historySign() const
{
    return QStringLiteral("-");
}

double SubtractionRules::expected(const Problem &p) const
{
    return double(p.first) - double(p.second);
}

QList<int> SubtractionRules::blockingLimits(const LimitValues &limits, Drawing,
                                            const Problem &) const
{
    // Below 2 every attempt gives 1 - 1; a negative limit would pose operands
    // of zero and below.
    if (limits[0] < 2)
        return {0};
    return {};
}

Problem SubtractionRules::draw(RandomSource &random, const LimitValues &limits, Drawing,
                               const Problem &) const
{
    const double limit = limits[0];
    random.seedFromClock();
    return drawByRejection(
        [&]() -> std::optional<Problem> {
            const qint64 a = pick(random.next(), limit, 1);
            const qint64 b = pick(random.next(), limit, 1);
            if (a - b < 1)
                return std::nullopt;
            return Problem{a, b};
        },
        Problem{2, 1});
}

} // namespace kalkora
