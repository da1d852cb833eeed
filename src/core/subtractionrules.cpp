// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

namespace {

// a - b with 1 <= b < a <= the limit, reseeding once per problem.
class SubtractionRules final : public DrillRules
{
public:
    double expected(const Problem &p) const override { return double(p.first) - double(p.second); }

    LimitValues leastWorkable(Drawing, const Problem &) const override
    {
        // Below 2 every attempt gives 1 - 1; a negative limit would pose
        // operands of zero and below.
        return {2};
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing,
                 const Problem &) const override
    {
        const Range range{limits[0], 1};
        random.seedFromClock();
        const auto [a, b] =
            drawPair(random, range, range, [](qint64 x, qint64 y) { return x - y >= 1; }, {2, 1});
        return {a, b};
    }
};

} // namespace

const DrillRules &subtractionRules()
{
    return rulesInstance<SubtractionRules>();
}

} // namespace kalkora
