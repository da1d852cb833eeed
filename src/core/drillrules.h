#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cmath>
#include <optional>

namespace kalkora {

class RandomSource;

// The problem on a page: two whole numbers and, on the completion page, which
// of its two kinds is posed (0 where a page has one kind only).
struct Problem
{
    qint64 first = 0;
    qint64 second = 0;
    int kind = 0;
    friend bool operator==(const Problem &, const Problem &) = default;
};

struct LimitRule
{
    double minimum; // applied when the user leaves the field
    double initial; // the field's text when no settings were stored
};

enum class Drawing {
    First, // at start-up
    Next,  // after a right answer
};

// Limits as the drawings use them, in the order of the page's limit fields.
using LimitValues = std::array<double, 2>;

// Drawings never use more of a limit than this: every operand, sum, difference
// and product then stays an exact whole number in a double and a qint64, and a
// typed "1e308" or "1e999" poses ordinary big problems instead of "inf".
inline constexpr double kLimitCap = 1e9;

// A drawing gives up after this many rejected attempts and poses the page's
// smallest problem instead. With limits that admit a problem the worst chance of
// an attempt is 1 in 9801, so only a broken generator ever gets this far; it
// keeps a drawing bounded whatever the source of numbers.
inline constexpr int kMaxAttempts = 10'000'000;

// Everything that differs from one drill to the next; the check flow itself is
// DrillSession's. Rules hold no state.
class DrillRules
{
public:
    virtual ~DrillRules() = default;

    virtual QList<LimitRule> limits() const = 0;
    // Operator sign of a history row; empty on pages that keep no history.
    virtual QString historySign() const { return {}; }
    virtual double expected(const Problem &problem) const = 0;
    // Indexes of the limits that leave the coming drawing without any problem
    // at all; such a limit must not reach draw().
    virtual QList<int> blockingLimits(const LimitValues &limits, Drawing drawing,
                                      const Problem &current) const = 0;
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

    template <typename Attempt>
    static Problem drawByRejection(Attempt attempt, const Problem &fallback)
    {
        for (int i = 0; i < kMaxAttempts; ++i) {
            if (const std::optional<Problem> p = attempt())
                return *p;
        }
        return fallback;
    }
};

} // namespace kalkora
