// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kalkora::bench {

// Times single operations inside a benchmark loop and reports their median
// and 99th percentile in microseconds, which the mean of Google Benchmark
// hides: a drawing by rejection is usually quick and now and then slow.
//
// Each operation is timed by the wall clock (what the user waits, including
// any time the scheduler gave the core to another process) and, where asked,
// also by the thread's CPU clock (the work itself): on a shared machine the
// two p99s differ by the other processes' time slices. Reading the CPU clock
// is a system call of about a microsecond, so operations that take less than
// that are timed by the wall clock alone.
class Percentiles
{
public:
    enum class Cpu { Timed, Untimed };

    class Sample
    {
    public:
        explicit Sample(Percentiles &owner, Cpu cpu = Cpu::Timed)
            : m_owner(owner), m_cpuTimed(cpu == Cpu::Timed), m_cpu(m_cpuTimed ? cpuNs() : 0),
              m_wall(wallNs())
        {
        }
        ~Sample()
        {
            const double wall = wallNs() - m_wall;
            m_owner.m_wall.push_back(wall);
            if (m_cpuTimed)
                m_owner.m_cpu.push_back(cpuNs() - m_cpu);
        }
        Sample(const Sample &) = delete;
        Sample &operator=(const Sample &) = delete;

    private:
        Percentiles &m_owner;
        bool m_cpuTimed;
        double m_cpu;
        double m_wall;
    };

    void report(benchmark::State &state)
    {
        put(state, m_wall, "");
        put(state, m_cpu, "cpu_");
    }

private:
    static double nanoseconds(clockid_t clock)
    {
        timespec t{};
        clock_gettime(clock, &t);
        return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
    }
    static double wallNs() { return nanoseconds(CLOCK_MONOTONIC); }
    static double cpuNs() { return nanoseconds(CLOCK_THREAD_CPUTIME_ID); }

    static void put(benchmark::State &state, std::vector<double> &samples,
                    const std::string &prefix)
    {
        if (samples.empty())
            return;
        std::sort(samples.begin(), samples.end());
        const auto at = [&](double q) {
            return samples[std::min(samples.size() - 1, size_t(q * double(samples.size())))] / 1000;
        };
        state.counters[prefix + "p50_us"] = at(0.50);
        state.counters[prefix + "p99_us"] = at(0.99);
    }

    std::vector<double> m_wall;
    std::vector<double> m_cpu;
};

} // namespace kalkora::bench
