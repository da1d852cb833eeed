// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

namespace {

// n : d = q with divisor and quotient 2..11, the dividend n at most the first
// limit and the divisor at most the second. The first problem continues the
// generator's sequence without a reseed; later ones reseed once per problem.
class DivisionRules final : public DrillRules
{
public:
    double expected(const Problem &p) const override { return double(p.first) / double(p.second); }

    LimitValues leastWorkable(Drawing, const Problem &) const override
    {
        return {4, 2}; // 4 : 2
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &) const override
    {
        const double dividendLimit = limits[0];
        const double divisorLimit = limits[1];
        const auto fits = [&](qint64 d, qint64 q) {
            return d <= divisorLimit && d * q <= dividendLimit;
        };
        if (drawing == Drawing::Next)
            random.seedFromClock();
        const auto [d, q] = drawPair(random, {10, 2}, {10, 2}, fits, {2, 2});
        return {d * q, d};
    }
};

} // namespace

const DrillRules &divisionRules()
{
    return rulesInstance<DivisionRules>();
}

} // namespace kalkora
