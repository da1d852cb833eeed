#include "fakerandom.h"
#include "random.h"

#include <QTest>

#include <algorithm>
#include <array>

using namespace kalkora;
using namespace kalkora::test;

namespace {

QList<float> drawn(Generator &g, int n)
{
    QList<float> out;
    for (int i = 0; i < n; ++i)
        out << g.next();
    return out;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void staysInUnitInterval();
    void spreadsEvenly();
    void sameReadingTwiceDoesNotRepeat();
    void sameReadingsGiveTheSameNumbers();
};

void TestGenerator::staysInUnitInterval()
{
    FakeClock clock;
    Generator g(clock);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = g.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    QVERIFY(lowest < 1e-4f);
    QVERIFY(highest > 1.0f - 1e-4f);
}

void TestGenerator::spreadsEvenly()
{
    // floor(r * 99 + 2) is the drills' most common draw: each of its 99 values
    // must come up equally often.
    FakeClock clock;
    Generator g(clock);
    std::array<int, 99> hits{};
    const int perValue = 10'000;
    for (int i = 0; i < 99 * perValue; ++i)
        ++hits[size_t(double(g.next()) * 99)];
    for (int n : hits)
        QVERIFY2(std::abs(n - perValue) < 500, qPrintable(QString::number(n)));
}

void TestGenerator::sameReadingTwiceDoesNotRepeat()
{
    // Two drawings within one clock tick must not pose the same numbers.
    FakeClock clock;
    clock.value = 123456789;
    Generator g(clock);
    g.seedFromClock();
    const QList<float> first = drawn(g, 200);
    g.seedFromClock();
    const QList<float> second = drawn(g, 200);
    QVERIFY(first != second);
    // Nor a shifted copy of them.
    const auto at = std::search(first.begin(), first.end(), second.begin(), second.begin() + 4);
    QVERIFY(at == first.end());

    // Seeding right after seeding, with no draw between, moves on as well.
    Generator h(clock);
    h.seedFromClock();
    const QList<float> once = drawn(h, 20);
    Generator k(clock);
    k.seedFromClock();
    k.seedFromClock();
    QVERIFY(drawn(k, 20) != once);
}

void TestGenerator::sameReadingsGiveTheSameNumbers()
{
    FakeClock a, b;
    a.value = b.value = 42;
    Generator ga(a), gb(b);
    ga.seedFromClock();
    gb.seedFromClock();
    QCOMPARE(drawn(ga, 50), drawn(gb, 50));
    b.value = 43;
    ga.seedFromClock();
    gb.seedFromClock();
    QVERIFY(drawn(ga, 50) != drawn(gb, 50));
}

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"
