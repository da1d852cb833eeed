// SPDX-License-Identifier: GPL-3.0-or-later
// The same key presses through the real window: the answer typed into a
// page's field and checked, the page's labels rewritten, and the events that
// follow (the history list's layout, the repaint) processed, as the event loop
// would before the next key. The history benchmarks start from a list that
// already holds state.range(0) rows, so the cost of the 100 000th check can be
// set beside that of the first.

#include "app/drillpage.h"
#include "app/mainwindow.h"
#include "app/tabstrip.h"
#include "core/drillset.h"
#include "core/historymodel.h"
#include "core/problemsource.h"
#include "core/random.h"
#include "core/textvalue.h"
#include "percentiles.h"
#include "support/rightanswer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

namespace kalkora::bench {
namespace {

struct Window
{
    Window(Drill drill, const QStringList &limits, qint64 rows)
    {
        DrillSession &session = drills.session(drill);
        for (int limit = 0; limit < limits.size(); ++limit)
            session.setLimitText(limit, limits.at(limit));
        drills.poseFirstProblems();
        // The history filled before the window shows it.
        for (qint64 i = 0; i < rows; ++i)
            session.check(test::rightAnswer(session));
        window.emplace(drills);
        window->tabStrip()->setCurrentIndex(window->tabStrip()->indexOf(window->page(drill)));
        window->show();
        if (!QTest::qWaitForWindowExposed(&*window))
            qFatal("the window was never exposed");
        QApplication::processEvents();
    }
    SystemClock clock;
    Generator generator{clock};
    DrawnProblems drawn{generator};
    DrillSet drills{drawn};
    std::optional<MainWindow> window;
};

void pageCheck(benchmark::State &state, Drill drill, QStringList limits)
{
    Window w(drill, limits, state.range(0));
    DrillPage *page = w.window->page(drill);

    Percentiles times;
    for (auto _ : state) {
        page->answerField()->setText(test::rightAnswer(page->session()));
        const Percentiles::Sample sample(times);
        page->check();
        QApplication::processEvents();
    }
    if (page->session().wrong() != 0)
        state.SkipWithError("a right answer was judged wrong");
    if (HistoryModel *history = page->session().history())
        state.counters["rows"] = history->rowCount();
    times.report(state);
}

BENCHMARK_CAPTURE(pageCheck, addition_50, Drill::Addition, {QStringLiteral("50")})
    ->Arg(0)
    ->Arg(100000)
    ->Iterations(2000);
BENCHMARK_CAPTURE(pageCheck, subtraction_2, Drill::Subtraction, {QStringLiteral("2")})
    ->Arg(0)
    ->Arg(100000)
    ->Iterations(2000);
BENCHMARK_CAPTURE(pageCheck, completion_4, Drill::Completion, {QStringLiteral("4")})
    ->Arg(0)
    ->Iterations(2000);
BENCHMARK_CAPTURE(pageCheck, multiplication_4_2, Drill::Multiplication,
                  {QStringLiteral("4"), QStringLiteral("2")})
    ->Arg(0)
    ->Iterations(2000);
BENCHMARK_CAPTURE(pageCheck, division_4_2, Drill::Division,
                  {QStringLiteral("4"), QStringLiteral("2")})
    ->Arg(0)
    ->Iterations(2000);

} // namespace
} // namespace kalkora::bench

int main(int argc, char **argv)
{
    // The window needs a screen; without a display the offscreen one serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
