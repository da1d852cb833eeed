// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the drill tests share: a generator they control, and readable
// problems in failure messages.

#include "core/drills.h"

#include <QList>
#include <QString>

using namespace Qt::StringLiterals;

namespace kalkora::test {

// Plays back a script of numbers, then those of a real generator whose clock
// never moves (it is its own clock); counts draws, and records after how many
// draws each seeding happened.
class ScriptedRandom final : public RandomSource, Clock
{
public:
    explicit ScriptedRandom(QList<float> script = {}) : m_script(std::move(script)) {}
    float next() override {
        ++draws;
        return m_script.isEmpty() ? m_generator.next() : m_script.takeFirst();
    }
    void seedFromClock() override {
        seedsAtDraw << draws;
        m_generator.seedFromClock();
    }
    int draws = 0;
    QList<int> seedsAtDraw;

private:
    quint64 reading() const override { return 0; }
    QList<float> m_script;
    Generator m_generator{*this};
};

// The number r with floor(r * range + offset) == value, for scripting draws.
inline float drawFor(qint64 value, double range, double offset) {
    return float((double(value) - offset + 0.5) / range);
}

enum Page { Add, Sub, Compl, Mult, Div };
inline const char *pageName(int page) {
    const char *names[] = {"addition", "subtraction", "completion", "multiplication", "division"};
    return names[page];
}
inline const DrillRules &rulesOf(int page) { return kalkora::rulesOf(Drill(page)); }

} // namespace kalkora::test

namespace kalkora {
inline QString problemText(const Problem &p) {
    return u"%1 ? %2 (kind %3)"_s.arg(p.first).arg(p.second).arg(int(p.kind));
}
inline char *toString(const Problem &p) { return qstrdup(qPrintable(problemText(p))); }
} // namespace kalkora
