#include "allrules.h"
#include "fakerandom.h"

#include <QSet>
#include <QTest>

#include <functional>

using namespace kalkora;
using namespace kalkora::test;

namespace {

using ProblemSet = QSet<std::pair<qint64, qint64>>;

} // namespace

class TestDrillRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reachableProblems_data();
    void reachableProblems();
    void additionIsEvenlySpread();
    void reseedPoints_data();
    void reseedPoints();
    void expectedResult_data();
    void expectedResult();
    void brokenGeneratorStillEnds_data();
    void brokenGeneratorStillEnds();
};

void TestDrillRules::reachableProblems_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("limit0");
    QTest::addColumn<double>("limit1");
    QTest::addColumn<bool>("first");
    QTest::addColumn<int>("currentKind");
    QTest::addColumn<int>("count");

    QTest::newRow("addition next, limit 10") << int(Add) << 10.0 << 0.0 << false << 0 << 45;
    QTest::newRow("addition next, limit 2") << int(Add) << 2.0 << 0.0 << false << 0 << 1;
    QTest::newRow("addition next, limit 2.5") << int(Add) << 2.5 << 0.0 << false << 0 << 1;
    QTest::newRow("addition first, limit 250 keeps below 100")
        << int(Add) << 250.0 << 0.0 << true << 0 << 99 * 99;
    QTest::newRow("addition first, limit 7") << int(Add) << 7.0 << 0.0 << true << 0 << 21;
    QTest::newRow("subtraction, limit 10") << int(Sub) << 10.0 << 0.0 << false << 0 << 45;
    QTest::newRow("subtraction, limit 2") << int(Sub) << 2.0 << 0.0 << true << 0 << 1;
    QTest::newRow("subtraction, limit 10.5 reaches 11")
        << int(Sub) << 10.5 << 0.0 << false << 0 << 55;
    QTest::newRow("missing addend, limit 10") << int(Compl) << 10.0 << 0.0 << true << 0 << 16;
    QTest::newRow("missing addend, limit 50")
        << int(Compl) << 50.0 << 0.0 << false << kSubtrahend << 576;
    QTest::newRow("missing addend, limit 4") << int(Compl) << 4.0 << 0.0 << true << 0 << 1;
    QTest::newRow("missing subtrahend, limit 10")
        << int(Compl) << 10.0 << 0.0 << false << kAddend << 55;
    QTest::newRow("missing subtrahend, limit 1")
        << int(Compl) << 1.0 << 0.0 << false << kAddend << 1;
    QTest::newRow("multiplication next, minimum limits")
        << int(Mult) << 10.0 << 2.0 << false << 0 << 7;
    QTest::newRow("multiplication next, starting limits")
        << int(Mult) << 50.0 << 5.0 << false << 0 << 56;
    QTest::newRow("multiplication next, multiplier 2.5")
        << int(Mult) << 100.0 << 2.5 << false << 0 << 17;
    QTest::newRow("multiplication next, product 4") << int(Mult) << 4.0 << 2.0 << false << 0 << 1;
    QTest::newRow("multiplication next, no bounds")
        << int(Mult) << 100.0 << 10.0 << false << 0 << 81;
    QTest::newRow("multiplication first ignores the multiplier")
        << int(Mult) << 50.0 << 5.0 << true << 0 << 62;
    QTest::newRow("division, minimum limits") << int(Div) << 20.0 << 2.0 << false << 0 << 9;
    QTest::newRow("division, starting limits") << int(Div) << 50.0 << 5.0 << true << 0 << 39;
    QTest::newRow("division, 4 : 2 only") << int(Div) << 4.0 << 2.0 << false << 0 << 1;
    QTest::newRow("division, divisor 3.5") << int(Div) << 500.0 << 3.5 << false << 0 << 20;
    QTest::newRow("division, no bounds") << int(Div) << 500.0 << 30.0 << false << 0 << 100;
}

void TestDrillRules::reachableProblems()
{
    QFETCH(int, page);
    QFETCH(double, limit0);
    QFETCH(double, limit1);
    QFETCH(bool, first);
    QFETCH(int, currentKind);
    QFETCH(int, count);

    const DrillRules &rules = *kRules[page];
    const LimitValues limits{limit0, limit1};
    const Drawing drawing = first ? Drawing::First : Drawing::Next;
    QVERIFY(rules.blockingLimits(limits, drawing, Problem{0, 0, currentKind}).isEmpty());

    FakeClock clock;
    Generator random(clock);
    ProblemSet seen;
    const int samples = std::max(3000, count * 40);
    for (int i = 0; i < samples; ++i) {
        clock.value = quint64(i) / 3; // several drawings share a clock reading
        const Problem p = rules.draw(random, limits, drawing, Problem{0, 0, currentKind});
        if (!admissible(Page(page), p, limits, drawing))
            QFAIL(qPrintable(
                QStringLiteral("posed %1 ? %2 (kind %3)").arg(p.first).arg(p.second).arg(p.kind)));
        seen.insert({p.first, p.second});
    }
    QCOMPARE(seen.size(), count);
}

void TestDrillRules::additionIsEvenlySpread()
{
    // Every pair with a sum up to 10 is as likely as any other.
    FakeClock clock;
    Generator random(clock);
    QHash<std::pair<qint64, qint64>, int> hits;
    const int samples = 45 * 1000;
    for (int i = 0; i < samples; ++i) {
        clock.value = quint64(i);
        const Problem p = addition.draw(random, {10, 0}, Drawing::Next, {});
        ++hits[{p.first, p.second}];
    }
    QCOMPARE(hits.size(), 45);
    for (int n : std::as_const(hits))
        QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
}

void TestDrillRules::reseedPoints_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("first");
    QTest::addColumn<int>("currentKind");
    QTest::addColumn<QList<float>>("script");
    QTest::addColumn<int>("seeds");
    QTest::addColumn<Problem>("expected");

    // Each script rejects one attempt and then accepts.
    QTest::newRow("addition next reseeds on every pass")
        << int(Add) << false << 0
        << QList<float>{drawFor(9, 10, 1), drawFor(9, 10, 1), drawFor(3, 10, 1), drawFor(4, 10, 1)}
        << 2 << Problem{3, 4};
    QTest::newRow("addition first seeds once")
        << int(Add) << true << 0
        << QList<float>{drawFor(50, 99, 1), drawFor(50, 99, 1), drawFor(2, 99, 1),
                        drawFor(3, 99, 1)}
        << 1 << Problem{2, 3};
    QTest::newRow("subtraction seeds once")
        << int(Sub) << false << 0
        << QList<float>{drawFor(5, 10, 1), drawFor(5, 10, 1), drawFor(7, 10, 1), drawFor(2, 10, 1)}
        << 1 << Problem{7, 2};
    QTest::newRow("missing addend seeds once")
        << int(Compl) << true << 0
        << QList<float>{drawFor(5, 99, 2), drawFor(3, 99, 2), drawFor(3, 99, 2), drawFor(4, 99, 2)}
        << 1 << Problem{3, 4, kAddend};
    QTest::newRow("missing subtrahend seeds once")
        << int(Compl) << false << kAddend
        << QList<float>{drawFor(3, 10, 2), drawFor(5, 99, 2), drawFor(9, 10, 2), drawFor(4, 99, 2)}
        << 1 << Problem{9, 4, kSubtrahend};
    QTest::newRow("multiplication first ignores the multiplier")
        << int(Mult) << true << 0
        << QList<float>{drawFor(11, 99, 2), drawFor(2, 99, 2), drawFor(3, 99, 2), drawFor(3, 99, 2)}
        << 1 << Problem{3, 3};
    QTest::newRow("multiplication next checks the multiplier")
        << int(Mult) << false << 0
        << QList<float>{drawFor(3, 99, 2), drawFor(3, 99, 2), drawFor(2, 99, 2), drawFor(4, 99, 2)}
        << 1 << Problem{2, 4};
    QTest::newRow("division first does not seed")
        << int(Div) << true << 0
        << QList<float>{drawFor(3, 10, 2), drawFor(2, 10, 2), drawFor(2, 10, 2), drawFor(5, 10, 2)}
        << 0 << Problem{10, 2};
    QTest::newRow("division next seeds once")
        << int(Div) << false << 0
        << QList<float>{drawFor(2, 10, 2), drawFor(11, 10, 2), drawFor(2, 10, 2), drawFor(9, 10, 2)}
        << 1 << Problem{18, 2};
}

void TestDrillRules::reseedPoints()
{
    QFETCH(int, page);
    QFETCH(bool, first);
    QFETCH(int, currentKind);
    QFETCH(QList<float>, script);
    QFETCH(int, seeds);
    QFETCH(Problem, expected);

    // Limits chosen so that each script's first attempt fails: addition and
    // subtraction 10, completion 10, multiplication product 20 / multiplier 2,
    // division dividend 20 / divisor 2.
    const LimitValues limits{page == Mult || page == Div ? 20.0 : 10.0, 2.0};
    ScriptedRandom random(script);
    const Problem p = kRules[page]->draw(random, limits, first ? Drawing::First : Drawing::Next,
                                         Problem{0, 0, currentKind});
    QCOMPARE(p, expected);
    QCOMPARE(random.draws, int(script.size()));
    QCOMPARE(random.seeds, seeds);
    if (seeds > 0)
        QCOMPARE(random.seedsAtDraw.first(), 0); // before the first attempt
}

void TestDrillRules::expectedResult_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<double>("expected");
    QTest::newRow("sum") << int(Add) << Problem{12, 30} << 42.0;
    QTest::newRow("difference") << int(Sub) << Problem{9, 2} << 7.0;
    QTest::newRow("missing addend") << int(Compl) << Problem{5, 12, kAddend} << 7.0;
    QTest::newRow("missing addend, larger first") << int(Compl) << Problem{12, 5, kAddend} << 7.0;
    QTest::newRow("missing addend, equal") << int(Compl) << Problem{6, 6, kAddend} << 0.0;
    QTest::newRow("missing subtrahend") << int(Compl) << Problem{12, 5, kSubtrahend} << 7.0;
    QTest::newRow("missing subtrahend, equal") << int(Compl) << Problem{6, 6, kSubtrahend} << 0.0;
    QTest::newRow("product") << int(Mult) << Problem{6, 7} << 42.0;
    QTest::newRow("quotient") << int(Div) << Problem{42, 6} << 7.0;
}

void TestDrillRules::expectedResult()
{
    QFETCH(int, page);
    QFETCH(Problem, problem);
    QFETCH(double, expected);
    QCOMPARE(kRules[page]->expected(problem), expected);
}

void TestDrillRules::brokenGeneratorStillEnds_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("limit0");
    QTest::addColumn<double>("limit1");
    QTest::addColumn<int>("currentKind");
    QTest::newRow("addition") << int(Add) << 2.0 << 0.0 << 0;
    QTest::newRow("subtraction") << int(Sub) << 2.0 << 0.0 << 0;
    QTest::newRow("missing addend") << int(Compl) << 4.0 << 0.0 << kSubtrahend;
    QTest::newRow("multiplication") << int(Mult) << 4.0 << 2.0 << 0;
    QTest::newRow("division") << int(Div) << 4.0 << 2.0 << 0;
}

void TestDrillRules::brokenGeneratorStillEnds()
{
    // A generator stuck near 1 never yields an acceptable attempt at the
    // smallest limits; the drawing must still end with a problem the page
    // may pose.
    QFETCH(int, page);
    QFETCH(double, limit0);
    QFETCH(double, limit1);
    QFETCH(int, currentKind);

    class Stuck final : public RandomSource
    {
    public:
        float next() override { return 0.999f; }
        void seedFromClock() override {}
    } stuck;
    const LimitValues limits{limit0, limit1};
    const Problem p = kRules[page]->draw(stuck, limits, Drawing::Next, Problem{0, 0, currentKind});
    QVERIFY(admissible(Page(page), p, limits, Drawing::Next));
}

QTEST_GUILESS_MAIN(TestDrillRules)
#include "tst_drillrules.moc"
