// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/random.h"

#include <chrono>

namespace kalkora {
namespace {

constexpr quint64 kGolden = 0x9E3779B97F4A7C15ull;

// The splitmix64 finaliser: a bijection that spreads every input bit.
quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

quint64 SystemClock::reading() const
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return quint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

Generator::Generator(const Clock &clock) : m_clock(clock), m_state(0x4B616C6B6F7261ull) {}

float Generator::next()
{
    m_state += kGolden;
    // The top 24 bits give every float in [0, 1) with a 2^-24 step exactly.
    return float(mix(m_state) >> 40) * (1.0f / 16777216.0f);
}

void Generator::seedFromClock()
{
    m_state = mix(m_state ^ mix(m_clock.reading() + kGolden));
}

} // namespace kalkora
