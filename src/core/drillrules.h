// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/random.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace kalkora {

// Which kind of problem is posed. The completion page alternates two kinds of
// missing-number problem; every other page has one kind only.
enum class ProblemKind {
    Single,
    MissingAddend,     // "a + ? = b"
    MissingSubtrahend, // "a - ? = b"
};

// The problem on a page: two whole numbers and their kind.
struct Problem
{
    qint64 first = 0;
    qint64 second = 0;
    ProblemKind kind = ProblemKind::Single;
    friend bool operator==(const Problem &, const Problem &) = default;
};

enum class Drawing {
    First, // at start-up
    Next,  // after a right answer
};

// A drill has one or two limit fields.
inline constexpr std::size_t kMaxLimits = 2;

// Limits as the drawings use them, in the order of the page's limit fields.
using LimitValues = std::array<double, kMaxLimits>;

// Drawings never use more of a limit than this: every operand, sum, difference
// and product then stays an exact whole number in a double and a qint64, and a
// typed "1e308" or "1e999" poses ordinary big problems instead of "inf".
inline constexpr double kLimitCap = 1e9;

// A drawing gives up after this many rejected attempts and poses the page's
// smallest problem instead. With limits that admit a problem the worst chance of
// an attempt is 1 in 9801, so only a broken generator ever gets this far; it
// keeps a drawing bounded whatever the source of numbers.
inline constexpr int kMaxAttempts = 10'000'000;

// How a drill's problems are drawn and judged; what its page keeps is in
// kDrills, the check flow itself is DrillSession's. Rules hold no state.
class DrillRules
{
public:
    virtual ~DrillRules() = default;

    virtual double expected(const Problem &problem) const = 0;
    // The smallest value of each limit with which the coming drawing has a
    // problem at all; a limit below it must not reach draw().
    virtual LimitValues leastWorkable(Drawing drawing, const Problem &current) const = 0;
    virtual Problem draw(RandomSource &random, const LimitValues &limits, Drawing drawing,
                         const Problem &current) const = 0;

protected:
    // floor(r * range + offset), in double precision. Drawings call this
    // twice per attempt, up to tens of thousands of times for one problem at
    // tight limits, so the floor is done inline rather than through libm: the
    // truncation is exact for every value a capped limit can give, and one
    // step down corrects it for negative values.
    static qint64 pick(float r, double range, double offset)
    {
        const double x = double(r) * range + offset;
        const auto whole = qint64(x);
        return double(whole) > x ? whole - 1 : whole;
    }

    // Where an operand is drawn from: floor(r * size + offset).
    struct Range
    {
        double size;
        double offset;
    };
    using Pair = std::pair<qint64, qint64>;

    // Draws the first operand and then the second until `accept` takes the
    // pair, reseeding before every attempt when told to. After kMaxAttempts
    // rejected attempts it gives the fallback.
    template <typename Accept>
    static Pair drawPair(RandomSource &random, Range first, Range second, Accept accept,
                         Pair fallback, bool reseedEveryAttempt = false)
    {
        for (int i = 0; i < kMaxAttempts; ++i) {
            if (reseedEveryAttempt)
                random.seedFromClock();
            const qint64 a = pick(random.next(), first.size, first.offset);
            const qint64 b = pick(random.next(), second.size, second.offset);
            if (accept(a, b))
                return {a, b};
        }
        return fallback;
    }
};

// The one instance of a drill's rules.
template <typename Rules> const DrillRules &rulesInstance()
{
    static const Rules rules;
    return rules;
}

} // namespace kalkora
