#include "drills.h"

#include "random.h"

namespace kalkora {

namespace {

// a - b with 1 <= b < a <= the limit, reseeding once per problem.
class SubtractionRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override { return {{10, 50}}; }

    QString historySign() const override { return QStringLiteral("-"); }

    double expected(const Problem &p) const override { return double(p.first) - double(p.second); }

    QList<int> blockingLimits(const LimitValues &limits, Drawing, const Problem &) const override
    {
        // Below 2 every attempt gives 1 - 1; a negative limit would pose operands
        // of zero and below.
        if (limits[0] < 2)
            return {0};
        return {};
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing,
                 const Problem &) const override
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
};

} // namespace

const DrillRules &subtractionRules()
{
    static const SubtractionRules rules;
    return rules;
}

} // namespace kalkora
