#pragma once

#include "core/drillrules.h"
#include "core/random.h"

#include <QList>

namespace kalkora::test {

// A clock that reads whatever the test sets, and counts how often it is read.
class FakeClock final : public Clock
{
public:
    quint64 reading() const override
    {
        ++reads;
        return value;
    }
    quint64 value = 0;
    mutable int reads = 0;
};

// Plays back a script of numbers, then the ones of a real generator whose
// clock never moves; counts draws, and records after how many draws each
// seeding happened.
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

} // namespace kalkora::test

namespace kalkora {
// Readable problems in test failure messages.
inline char *toString(const Problem &p)
{
    const QByteArray text = QByteArray::number(p.first) + " ? " + QByteArray::number(p.second) +
                            " (kind " + QByteArray::number(int(p.kind)) + ")";
    return qstrdup(text.constData());
}
} // namespace kalkora
