#include "drills.h"

#include "random.h"

namespace kalkora {

namespace {

// a + b with a, b >= 1 and a + b at most the limit. The first problem keeps both
// operands below 100 whatever the limit; every later one reseeds on every pass.
class AdditionRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override { return {{10, 50}}; }

    QString historySign() const override { return QStringLiteral("+"); }

    double expected(const Problem &p) const override { return double(p.first) + double(p.second); }

    QList<int> blockingLimits(const LimitValues &limits, Drawing, const Problem &) const override
    {
        if (limits[0] < 2) // 1 + 1 is the smallest sum
            return {0};
        return {};
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &) const override
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
};

} // namespace

const DrillRules &additionRules()
{
    static const AdditionRules rules;
    return rules;
}

} // namespace kalkora
