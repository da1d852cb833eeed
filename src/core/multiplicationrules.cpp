#include "drills.h"

#include "random.h"

namespace kalkora {

namespace {

// a * b with factors 2..10, the product at most the product limit (first
// limit) and, from the first right answer on, the smaller factor at most the
// multiplier limit (second limit). Reseeds once per problem.
class MultiplicationRules final : public DrillRules
{
public:
    QList<LimitRule> limits() const override { return {{10, 50}, {2, 5}}; }

    double expected(const Problem &p) const override { return double(p.first) * double(p.second); }

    QList<int> blockingLimits(const LimitValues &limits, Drawing drawing,
                              const Problem &) const override
    {
        QList<int> blocking;
        if (limits[0] < 4) // 2 * 2
            blocking << 0;
        if (drawing == Drawing::Next && limits[1] < 2) // the first problem ignores the multiplier
            blocking << 1;
        return blocking;
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &) const override
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
};

} // namespace

const DrillRules &multiplicationRules()
{
    static const MultiplicationRules rules;
    return rules;
}

} // namespace kalkora
