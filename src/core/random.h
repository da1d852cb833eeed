// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace kalkora {

// Source of clock readings for seeding; tests hand in a fake.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual quint64 reading() const = 0;
};

class SystemClock final : public Clock
{
public:
    quint64 reading() const override;
};

// What the drills draw from: single-precision numbers 0 <= r < 1, and a
// reseed from the clock.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    virtual void seedFromClock() = 0;
};

// The program's one generator. Seeding mixes the clock reading into the current
// state rather than replacing it, so two seedings with the same reading (two
// drawings within one clock tick) still give different sequences.
class Generator final : public RandomSource
{
public:
    explicit Generator(const Clock &clock);
    float next() override;
    void seedFromClock() override;

private:
    const Clock &m_clock;
    quint64 m_state;
};

} // namespace kalkora
