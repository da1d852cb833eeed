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
// Each operation is timed twice: by the wall clock (what the user waits,
// including any time the scheduler gave the core to another process) and by
// the thread's CPU clock (the work itself). On a shared machine the two p99s
// differ by the other processes' time slices.
class Percentiles
{
public:
    class Sample
    {
    public:
        explicit Sample(Percentiles &owner) : m_owner(owner), m_wall(wallNs()), m_cpu(cpuNs()) {}
        ~Sample()
        {
            const double cpu = cpuNs() - m_cpu;
            m_owner.m_wall.push_back(wallNs() - m_wall);
            m_owner.m_cpu.push_back(cpu);
        }
        Sample(const Sample &) = delete;
        Sample &operator=(const Sample &) = delete;

    private:
        Percentiles &m_owner;
        double m_wall;
        double m_cpu;
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
