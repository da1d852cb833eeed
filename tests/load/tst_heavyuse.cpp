// An hour's use and far more: 100 000 checks on one page in one run, right,
// wrong and empty answers mixed, on every page through its session and on the
// addition page through its widgets. The counters, the labels and the history
// must agree after every stretch, and the heap the run holds must grow by no
// more than the history rows it keeps. The growth of the heap in use and of
// the resident memory is printed for the record.

#include "additionrules.h"
#include "completionrules.h"
#include "divisionrules.h"
#include "drillpage.h"
#include "drillsession.h"
#include "historymodel.h"
#include "mainwindow.h"
#include "multiplicationrules.h"
#include "percentage.h"
#include "random.h"
#include "subtractionrules.h"
#include "textvalue.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

#include <cmath>
#include <fstream>

using namespace kalkora;

namespace {

constexpr int kChecks = 100'000;

// AddressSanitizer brings its own allocator, which glibc's heap statistics do
// not see; its leak checker watches the memory instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryMeasurable = false;
#else
constexpr bool kMemoryMeasurable = true;
#endif
#else
constexpr bool kMemoryMeasurable = true;
#endif

// A history row holds three short texts; with their list entries and the
// allocator's rounding that is some 200 bytes. Twice that is still far below
// what a widget or an item object per row would cost, which this catches.
constexpr qint64 kBytesPerRow = 400;
// Pages without history keep nothing per check: what remains is the
// allocator's own slack.
constexpr qint64 kSlackBytes = 2 * 1024 * 1024;

// Bytes handed out by malloc and not yet freed: unlike the resident size it
// goes down again when memory is freed, so earlier tests do not blur it.
qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

qint64 residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    qint64 pages = 0;
    qint64 resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Every seventh answer is wrong, every eleventh is left empty.
enum class Answer { Right, Wrong, Empty };
Answer answerFor(int i)
{
    if (i % 11 == 10)
        return Answer::Empty;
    return i % 7 == 6 ? Answer::Wrong : Answer::Right;
}

QString answerText(const DrillSession &session, Answer kind)
{
    const auto expected = qint64(std::llround(session.rules().expected(session.problem())));
    switch (kind) {
    case Answer::Right:
        return decimalText(expected);
    case Answer::Wrong:
        return decimalText(expected + 1);
    default:
        return {};
    }
}

struct Expected
{
    qint64 given = 0;
    qint64 right = 0;
    qint64 wrong = 0;
    void count(Answer kind)
    {
        if (kind == Answer::Empty)
            return;
        ++given;
        ++(kind == Answer::Right ? right : wrong);
    }
};

struct Memory
{
    qint64 heap = heapInUse();
    qint64 resident = residentBytes();
};

void reportGrowth(const char *what, const Memory &before, qint64 rows)
{
    const qint64 growth = heapInUse() - before.heap;
    qInfo("%s: %d checks, %lld history rows: heap in use grew by %lld kB (%lld bytes per "
          "row), resident memory by %lld kB",
          what, kChecks, rows, growth / 1024, rows ? growth / rows : 0,
          (residentBytes() - before.resident) / 1024);
    if (!kMemoryMeasurable)
        return;
    const qint64 bound = kSlackBytes + rows * kBytesPerRow;
    QVERIFY2(growth <= bound,
             qPrintable(QStringLiteral("grew by %1 bytes, bound %2").arg(growth).arg(bound)));
}

} // namespace

class TestHeavyUse : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sessionChecks_data();
    void sessionChecks();
    void additionPageWidgets();
};

void TestHeavyUse::sessionChecks_data()
{
    QTest::addColumn<const DrillRules *>("rules");
    QTest::addColumn<QStringList>("limits");

    static const AdditionRules addition;
    static const SubtractionRules subtraction;
    static const CompletionRules completion;
    static const MultiplicationRules multiplication;
    static const DivisionRules division;
    QTest::newRow("addition") << static_cast<const DrillRules *>(&addition) << QStringList{"50"};
    QTest::newRow("subtraction") << static_cast<const DrillRules *>(&subtraction)
                                 << QStringList{"50"};
    QTest::newRow("completion, tightest limit")
        << static_cast<const DrillRules *>(&completion) << QStringList{"4"};
    QTest::newRow("multiplication")
        << static_cast<const DrillRules *>(&multiplication) << QStringList{"50", "5"};
    QTest::newRow("division, tightest limits")
        << static_cast<const DrillRules *>(&division) << QStringList{"4", "2"};
}

void TestHeavyUse::sessionChecks()
{
    QFETCH(const DrillRules *, rules);
    QFETCH(QStringList, limits);

    const SystemClock clock;
    Generator generator(clock);
    DrillSession session(*rules, generator);
    for (int slot = 0; slot < limits.size(); ++slot)
        session.setLimitText(slot, limits.at(slot));
    session.poseFirstProblem();

    const Memory before;
    Expected expected;
    for (int i = 0; i < kChecks; ++i) {
        const Answer kind = answerFor(i);
        const Problem problem = session.problem();
        const Verdict verdict = session.check(answerText(session, kind));
        expected.count(kind);
        const Verdict wanted = kind == Answer::Empty   ? Verdict::Ignored
                               : kind == Answer::Right ? Verdict::Right
                                                       : Verdict::Wrong;
        if (verdict != wanted || (kind != Answer::Right && session.problem() != problem))
            QFAIL(qPrintable(QStringLiteral("check %1 went astray").arg(i)));
    }

    QCOMPARE(session.given(), expected.given);
    QCOMPARE(session.right(), expected.right);
    QCOMPARE(session.wrong(), expected.wrong);
    QCOMPARE(session.right() + session.wrong(), session.given());
    QCOMPARE(session.percentText(), percentCaption(expected.right, expected.given));
    const qint64 rows = session.history() ? session.history()->rowCount() : 0;
    if (session.history())
        QCOMPARE(rows, session.given());
    reportGrowth(QTest::currentDataTag(), before, rows);
}

void TestHeavyUse::additionPageWidgets()
{
    const SystemClock clock;
    Generator generator(clock);
    MainWindow window(generator);
    window.poseFirstProblems();
    DrillPage *page = window.page(0);
    const auto label = [page](const char *name) {
        return page->findChild<QLabel *>(QLatin1String(name))->text();
    };

    const Memory before;
    Expected expected;
    for (int i = 0; i < kChecks; ++i) {
        const Answer kind = answerFor(i);
        page->answerField()->setText(answerText(page->session(), kind));
        page->check();
        expected.count(kind);
        // The labels are what the child sees; look at them every so often.
        if (i % 10'000 == 9'999) {
            QCOMPARE(label("lbFeladva"), decimalText(expected.given));
            QCOMPARE(label("lbJo"), decimalText(expected.right));
            QCOMPARE(label("lbHibas"), decimalText(expected.wrong));
            QCOMPARE(label("lbSzazalek"), percentCaption(expected.right, expected.given));
            QCOMPARE(qint64(page->session().history()->rowCount()), expected.given);
            QCoreApplication::processEvents();
        }
    }
    QCOMPARE(page->session().given(), expected.given);
    QCOMPARE(page->session().right() + page->session().wrong(), page->session().given());
    reportGrowth("addition page widgets", before, page->session().history()->rowCount());
}

QTEST_MAIN(TestHeavyUse)
#include "tst_heavyuse.moc"
