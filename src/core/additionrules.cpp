// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drills.h"

namespace kalkora {

namespace {

// a + b with a, b >= 1 and a + b at most the limit. The first problem keeps both
// operands below 100 whatever the limit; every later one reseeds on every pass.
class AdditionRules final : public DrillRules
{
public:
    double expected(const Problem &p) const override { return double(p.first) + double(p.second); }

    LimitValues leastWorkable(Drawing, const Problem &) const override
    {
        return {2}; // 1 + 1
    }

    Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                 const Problem &) const override
    {
        const double limit = limits[0];
        const auto fits = [limit](qint64 a, qint64 b) { return a + b <= limit; };
        if (drawing == Drawing::First)
            random.seedFromClock();
        const Range range = drawing == Drawing::First ? Range{99, 1} : Range{limit, 1};
        // Reseeding before every attempt makes no problem more random; it is
        // how earlier versions drew, so the same clock readings still give
        // the same problems.
        const auto [a, b] = drawPair(random, range, range, fits, {1, 1}, drawing == Drawing::Next);
        return {a, b};
    }
};

} // namespace

const DrillRules &additionRules()
{
    return rulesInstance<AdditionRules>();
}

} // namespace kalkora
