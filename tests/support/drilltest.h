// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the drill tests share: a generator they control, and readable
// problems in failure messages.

#include "core/drills.h"

#include <QList>

namespace kalkora::test {

class FakeClock final : public Clock
{
public:
    quint64 reading() const override { return value; }
    quint64 value = 0;
};

// Plays back a script of numbers, then those of a real generator whose clock
// never moves; counts draws, and records after how many draws each seeding
// happened.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QList<float> script = {}) : m_script(std::move(script)) {}
    float next() override
    {
        ++draws;
        return m_script.isEmpty() ? m_generator.next() : m_script.takeFirst();
    }
    void seedFromClock() override
    {
        seedsAtDraw << draws;
        m_generator.seedFromClock();
    }
    int draws = 0;
    QList<int> seedsAtDraw;

private:
    QList<float> m_script;
    FakeClock m_clock;
    Generator m_generator{m_clock};
};

// The number r with floor(r * range + offset) == value, for scripting draws.
inline float drawFor(qint64 value, double range, double offset)
{
    return float((double(value) - offset + 0.5) / range);
}

enum Page { Add, Sub, Compl, Mult, Div };
inline const DrillRules &rulesOf(int page)
{
    return *drillsInTabOrder()[std::size_t(page)];
}

} // namespace kalkora::test

namespace kalkora {
inline char *toString(const Problem &p)
{
    return qstrdup(QByteArray::number(p.first) + " ? " + QByteArray::number(p.second) + " (kind " +
                   QByteArray::number(int(p.kind)) + ")");
}
} // namespace kalkora
