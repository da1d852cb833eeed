// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the drill tests share: the problems a test poses, a stopped clock for
// the real generator, and readable problems in failure messages.

#include "core/drills.h"
#include "core/problemsource.h"

#include <QStringList>

#include <map>

using namespace Qt::StringLiterals;

namespace kalkora::test {

// The drills as test rows name them.
constexpr Drill Add = Drill::Addition, Sub = Drill::Subtraction, Compl = Drill::Completion,
                Mult = Drill::Multiplication, Div = Drill::Division;

// A clock that never moves, for the real generator, counting its readings.
struct StoppedClock final : Clock
{
    quint64 reading() const override { return ++readings, 0; }
    mutable int readings = 0;
};

// Poses the problems a test lists for each drill, in order; once a drill's
// list is used up, its rules draw from a generator whose clock never moves.
class PosedProblems final : public ProblemSource
{
public:
    explicit PosedProblems(std::map<Drill, QList<Problem>> problems = {})
        : m_problems(std::move(problems))
    {
    }
    Problem pose(Drill drill, const LimitValues &limits, Drawing drawing,
                 const Problem &current) override
    {
        QList<Problem> &list = m_problems[drill];
        return list.isEmpty() ? rulesOf(drill).draw(m_random, limits, drawing, current)
                              : list.takeFirst();
    }

private:
    std::map<Drill, QList<Problem>> m_problems;
    StoppedClock m_clock;
    Generator m_random{m_clock};
};

} // namespace kalkora::test

namespace kalkora {
inline char *toString(const Problem &p)
{
    return qstrdup(qPrintable(u"%1 ? %2 (kind %3)"_s.arg(p.first).arg(p.second).arg(int(p.kind))));
}
} // namespace kalkora
