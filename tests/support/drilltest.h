// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the drill tests share: the problems a test poses, the real generator
// on a stopped clock, and readable problems in failure messages.

#include "core/drills.h"
#include "core/problemsource.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <iterator>
#include <map>

using namespace Qt::StringLiterals;

namespace kalkora::test {

// The real generator with a clock that never moves (it is its own clock),
// counting its draws and recording after how many draws each seeding came.
class CountingRandom final : public RandomSource, Clock
{
public:
    float next() override {
        ++draws;
        return m_generator.next();
    }
    void seedFromClock() override {
        seedsAtDraw << draws;
        m_generator.seedFromClock();
    }
    int draws = 0;
    QList<int> seedsAtDraw;

private:
    quint64 reading() const override { return 0; }
    Generator m_generator{*this};
};

// Poses the problems a test lists for each drill, in order; once a drill's
// list is used up, its rules draw from a generator whose clock never moves.
class PosedProblems final : public ProblemSource
{
public:
    explicit PosedProblems(std::map<Drill, QList<Problem>> problems = {})
        : m_problems(std::move(problems)) {}
    Problem pose(const DrillRules &rules, const LimitValues &limits, Drawing drawing,
                 const Problem &current) override {
        const Drill drill = *std::find_if(std::begin(kDrills), std::end(kDrills),
                                          [&](Drill d) { return &kalkora::rulesOf(d) == &rules; });
        QList<Problem> &list = m_problems[drill];
        return list.isEmpty() ? rules.draw(m_random, limits, drawing, current) : list.takeFirst();
    }

private:
    std::map<Drill, QList<Problem>> m_problems;
    CountingRandom m_random;
};

inline const char *nameOf(Drill drill) {
    const char *names[] = {"addition", "subtraction", "completion", "multiplication", "division"};
    return names[int(drill)];
}

// The problems the check tests pose: 3 + 4 then 10 + 20, 9 - 2, 5 + ? = 12
// then 12 - ? = 5, 6 * 7 and 35 : 5.
inline std::map<Drill, QList<Problem>> checkedProblems() {
    return {{Drill::Addition, {{3, 4}, {10, 20}}},
            {Drill::Subtraction, {{9, 2}}},
            {Drill::Completion,
             {{5, 12, ProblemKind::MissingAddend}, {12, 5, ProblemKind::MissingSubtrahend}}},
            {Drill::Multiplication, {{6, 7}}},
            {Drill::Division, {{35, 5}}}};
}

} // namespace kalkora::test

namespace kalkora {
inline QString problemText(const Problem &p) {
    return u"%1 ? %2 (kind %3)"_s.arg(p.first).arg(p.second).arg(int(p.kind));
}
inline char *toString(const Problem &p) { return qstrdup(qPrintable(problemText(p))); }
} // namespace kalkora
