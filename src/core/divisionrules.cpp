#include "drills.h"

#include "random.h"

namespace kalkora {

namespace {

// n : d = q with divisor and quotient 2..11, the dividend n at most the first
// limit and the divisor at most the second. The first problem continues the
// generator's sequence without a reseed; later ones reseed once per problem.
class DivisionRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override { return {{20, 50}, {2, 5}}; }

    double expected(const Problem &p) const override { return double(p.first) / double(p.second); }

    QList<int> blockingLimits(const LimitValues &limits, Drawing, const Problem &) const override
    {
        QList<int> blocking;
        if (limits[0] < 4) // 4 : 2
            blocking << 0;
        if (limits[1] < 2)
            blocking << 1;
        return blocking;
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &) const override
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
};

} // namespace

const DrillRules &divisionRules()
{
    static const DivisionRules rules;
    return rules;
}

} // namespace kalkora
