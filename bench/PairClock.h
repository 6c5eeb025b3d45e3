#pragma once

#include <benchmark/benchmark.h>

#include <time.h>

// Times the two sides of a ratio inside one benchmark loop, side by side on
// the same frame, so both meet the same machine: a shared machine's load
// changes from one second to the next, and two benchmarks run a second apart
// do not see the same load. Each side is timed on this thread's CPU clock
// and on the wall clock; report() gives the per-iteration averages as the
// counters ours_cpu_ns, floor_cpu_ns, ours_wall_ns and floor_wall_ns.
class PairClock {
public:
    enum class Side { Ours, Floor };

    void begin()
    {
        m_cpuStart = now(CLOCK_THREAD_CPUTIME_ID);
        m_wallStart = now(CLOCK_MONOTONIC);
    }

    void end(Side side)
    {
        const double cpu = now(CLOCK_THREAD_CPUTIME_ID) - m_cpuStart;
        const double wall = now(CLOCK_MONOTONIC) - m_wallStart;
        const int i = side == Side::Ours ? 0 : 1;
        m_cpu[i] += cpu;
        m_wall[i] += wall;
    }

    void report(benchmark::State& state) const
    {
        const auto average = [](double total) { return benchmark::Counter(total, benchmark::Counter::kAvgIterations); };
        state.counters["ours_cpu_ns"] = average(m_cpu[0]);
        state.counters["floor_cpu_ns"] = average(m_cpu[1]);
        state.counters["ours_wall_ns"] = average(m_wall[0]);
        state.counters["floor_wall_ns"] = average(m_wall[1]);
    }

private:
    static double now(clockid_t clock)
    {
        timespec t {};
        clock_gettime(clock, &t);
        return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
    }

    double m_cpuStart = 0;
    double m_wallStart = 0;
    double m_cpu[2] = {0, 0};
    double m_wall[2] = {0, 0};
};
