// SPDX-License-Identifier: GPL-3.0-or-later
// The work behind each key press, without widgets: check -> next problem on
// every page at its ordinary and at its tightest admissible limits, the
// text-value reader, and appending history rows to a long history.

#include "core/drills.h"
#include "core/drillsession.h"
#include "core/historymodel.h"
#include "core/problemsource.h"
#include "core/random.h"
#include "core/textvalue.h"
#include "percentiles.h"
#include "support/rightanswer.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace kalkora::bench {
namespace {

// One right answer after another, each one timed: the answer is judged, the
// counters, banner and history move on and the next problem is drawn.
void checkNext(benchmark::State &state, Drill drill, QStringList limits)
{
    const SystemClock clock;
    Generator generator(clock);
    DrawnProblems drawn(generator);
    DrillSession session(drill, drawn);
    for (int slot = 0; slot < limits.size(); ++slot)
        session.setLimitText(slot, limits.at(slot));
    session.poseFirstProblem();

    Percentiles times;
    for (auto _ : state) {
        const QString answer = test::rightAnswer(session);
        Verdict verdict;
        {
            const Percentiles::Sample sample(times);
            verdict = session.check(answer);
        }
        if (verdict != Verdict::Right)
            state.SkipWithError("a right answer was judged wrong");
    }
    times.report(state);
}

// Ordinary limits are the fields' initial ones; the tightest are the smallest
// that still admit a problem, where rejection throws away the most attempts.
BENCHMARK_CAPTURE(checkNext, addition_50, Drill::Addition, {QStringLiteral("50")});
BENCHMARK_CAPTURE(checkNext, addition_2, Drill::Addition, {QStringLiteral("2")});
BENCHMARK_CAPTURE(checkNext, subtraction_50, Drill::Subtraction, {QStringLiteral("50")});
BENCHMARK_CAPTURE(checkNext, subtraction_2, Drill::Subtraction, {QStringLiteral("2")});
BENCHMARK_CAPTURE(checkNext, completion_50, Drill::Completion, {QStringLiteral("50")});
BENCHMARK_CAPTURE(checkNext, completion_4, Drill::Completion, {QStringLiteral("4")});
BENCHMARK_CAPTURE(checkNext, multiplication_50_5, Drill::Multiplication,
                  {QStringLiteral("50"), QStringLiteral("5")});
BENCHMARK_CAPTURE(checkNext, multiplication_4_2, Drill::Multiplication,
                  {QStringLiteral("4"), QStringLiteral("2")});
BENCHMARK_CAPTURE(checkNext, division_50_5, Drill::Division,
                  {QStringLiteral("50"), QStringLiteral("5")});
BENCHMARK_CAPTURE(checkNext, division_4_2, Drill::Division,
                  {QStringLiteral("4"), QStringLiteral("2")});

void textValue(benchmark::State &state, QString text)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(kalkora::textValue(text));
}
BENCHMARK_CAPTURE(textValue, empty, QString());
BENCHMARK_CAPTURE(textValue, two_digits, QStringLiteral("42"));
BENCHMARK_CAPTURE(textValue, blanks_and_letters, QStringLiteral("  1 2 abc"));
BENCHMARK_CAPTURE(textValue, fraction_exponent, QStringLiteral("-12.375E+3"));
BENCHMARK_CAPTURE(textValue, hexadecimal, QStringLiteral("&HFFFF"));
BENCHMARK_CAPTURE(textValue, long_digits, QString(200, u'9'));

// Appending to a history that already holds state.range(0) rows. The rows are
// timed one by one; every 1000 rows the history is rebuilt to its starting
// length outside the timing, so each measured row lands at about that depth.
void historyAppend(benchmark::State &state)
{
    const int depth = int(state.range(0));
    constexpr int kBatch = 1000;
    auto model = std::make_unique<HistoryModel>();
    const auto refill = [&] {
        model = std::make_unique<HistoryModel>();
        for (int i = 0; i < depth; ++i)
            model->append(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("46"));
    };
    refill();
    Percentiles times;
    int added = 0;
    for (auto _ : state) {
        if (added == kBatch) {
            state.PauseTiming();
            refill();
            added = 0;
            state.ResumeTiming();
        }
        {
            const Percentiles::Sample sample(times, Percentiles::Cpu::Untimed);
            model->append(QStringLiteral("12"), QStringLiteral("34"), QStringLiteral("46"));
        }
        ++added;
    }
    times.report(state);
}
BENCHMARK(historyAppend)->Arg(0)->Arg(1000)->Arg(100000)->Iterations(20000);

} // namespace
} // namespace kalkora::bench

BENCHMARK_MAIN();
