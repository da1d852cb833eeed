// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drillrules.h"

#include <QObject>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>

namespace kalkora {
Q_NAMESPACE

// The drills the trainer poses, one page each. kDrills below says what each
// one keeps; every other list that names drills (the pages, the stored
// fields) is checked against it by the compiler.
enum class Drill { Addition, Subtraction, Completion, Multiplication, Division };
Q_ENUM_NS(Drill)

// A limit field: the least value it takes when the user leaves it, and its
// value when nothing was stored.
struct LimitRule
{
    double minimum;
    double initial;
};

// What a drill's page keeps besides its problem and counters.
struct DrillFacts
{
    template <std::size_t N>
    constexpr DrillFacts(Drill d, const LimitRule (&rules)[N], bool history)
        : drill(d), limitCount(int(N)), keepsHistory(history)
    {
        static_assert(N >= 1 && N <= kMaxLimits, "LimitValues holds every limit of a drill");
        std::copy_n(rules, N, limits.begin());
    }

    Drill drill;
    std::array<LimitRule, kMaxLimits> limits{}; // the page's limit fields, in tab order
    int limitCount;
    bool keepsHistory;
};

// Every drill, in the order in which start-up poses their first problems.
// The order is behaviour: each drawing goes on from the generator state the
// one before left (division's first drawing does not even reseed), and the
// first problems are kept as users of earlier versions know them.
inline constexpr DrillFacts kDrills[] = {
    {Drill::Addition, {{10, 50}}, true},
    {Drill::Subtraction, {{10, 50}}, true},
    {Drill::Completion, {{10, 50}}, false},
    {Drill::Multiplication, {{10, 50}, {2, 5}}, false}, // the product's, the multiplier's
    {Drill::Division, {{20, 50}, {2, 5}}, false},       // the dividend's, the divisor's
};
inline constexpr std::size_t kDrillCount = std::size(kDrills);

// True when the list names every drill exactly once, drillOf(item) being the
// drill an item names.
template <typename List, typename DrillOf>
constexpr bool namesEveryDrillOnce(const List &list, DrillOf drillOf)
{
    std::array<bool, kDrillCount> named{};
    for (const auto &item : list) {
        const auto index = std::size_t(std::invoke(drillOf, item));
        if (index >= kDrillCount || named[index])
            return false;
        named[index] = true;
    }
    return std::size(list) == kDrillCount;
}
static_assert(namesEveryDrillOnce(kDrills, &DrillFacts::drill));

constexpr const DrillFacts &factsOf(Drill drill)
{
    return *std::find_if(std::begin(kDrills), std::end(kDrills),
                         [drill](const DrillFacts &facts) { return facts.drill == drill; });
}

// The drills' rules, one shared instance each.
const DrillRules &additionRules();
const DrillRules &subtractionRules();
const DrillRules &completionRules();
const DrillRules &multiplicationRules();
const DrillRules &divisionRules();
const DrillRules &rulesOf(Drill drill);

// The kind of missing-number problem the completion page's coming drawing
// poses: the addend kind first, then the other kind of the one on the page.
ProblemKind completionKindToDraw(Drawing drawing, const Problem &current);

} // namespace kalkora
