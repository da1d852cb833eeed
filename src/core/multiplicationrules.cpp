// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

namespace {

// a * b with factors 2..10, the product at most the product limit (first
// limit) and, from the first right answer on, the smaller factor at most the
// multiplier limit (second limit). Reseeds once per problem.
class MultiplicationRules final : public DrillRules
{
public:
    double expected(const Problem &p) const override { return double(p.first) * double(p.second); }

    LimitValues leastWorkable(Drawing drawing, const Problem &) const override
    {
        // 2 * 2; the first problem ignores the multiplier.
        const double anyMultiplier = -std::numeric_limits<double>::infinity();
        return {4, drawing == Drawing::Next ? 2 : anyMultiplier};
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &) const override
    {
        const double product = limits[0];
        const double multiplier = limits[1];
        const bool checkMultiplier = drawing == Drawing::Next;
        const auto fits = [&](qint64 a, qint64 b) {
            return a <= 10 && b <= 10 && (!checkMultiplier || a <= multiplier || b <= multiplier) &&
                   a * b <= product;
        };
        random.seedFromClock();
        // Factors are drawn from 2..100 and all above 10 rejected, not drawn
        // from 2..10: each attempt uses the generator as earlier versions
        // did, so the same clock readings still give the same problems.
        const auto [a, b] = drawPair(random, {99, 2}, {99, 2}, fits, {2, 2});
        return {a, b};
    }
};

} // namespace

const DrillRules &multiplicationRules()
{
    return rulesInstance<MultiplicationRules>();
}

} // namespace kalkora
