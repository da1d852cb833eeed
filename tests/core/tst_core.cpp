// SPDX-License-Identifier: GPL-3.0-or-later
// The core: what each page's rules may draw, how a session keeps its limits
// and draws under them, and what typed texts stand for.

#include "core/drillsession.h"
#include "core/textvalue.h"
#include "support/admissible.h"
#include "support/drilltest.h"
#include "support/rightanswer.h"

#include <QHash>
#include <QLocale>
#include <QMetaEnum>
#include <QTest>

#include <clocale>

using namespace kalkora;
using namespace kalkora::test;

// A drawing under limits, after a problem of a kind, and how many
// different problems it may pose.
struct Drawn
{
    Drill drill;
    Drawing drawing;
    LimitValues limits;
    int count;
    ProblemKind current = ProblemKind::Single;
};

// A page's limit texts typed, and its limits after leaving them, or after
// the first problem drawn under them and the next.
struct Limits
{
    Drill drill;
    QStringList typed, left, first, next;
};

class TestCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Whatever the locale, "." is the point: the core runs under Hungarian's
    // ",", C's and Qt's alike.
    void initTestCase()
    {
        if (std::setlocale(LC_ALL, "hu_HU.UTF-8"))
            QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
        else
            qWarning("no hu_HU.UTF-8 locale (scripts/install-deps makes it): tried under C alone");
    }

    void drawing_data()
    {
        QTest::addColumn<Drawn>("drawn");
        const auto row = [](const char *name, const Drawn &drawn) { QTest::newRow(name) << drawn; };
        const Drawing first = Drawing::First, next = Drawing::Next;
        const ProblemKind addend = ProblemKind::MissingAddend;
        row("addition reaches past 99", {Add, next, {200, 0}, 199 * 100});
        row("addition first keeps below 100", {Add, first, {250, 0}, 99 * 99});
        row("subtraction, limit 10.5 reaches 11", {Sub, next, {10.5, 0}, 55});
        row("addend after subtrahend", {Compl, next, {50, 0}, 576, ProblemKind::MissingSubtrahend});
        row("subtrahend after addend", {Compl, next, {10, 0}, 55, addend});
        row("subtrahend keeps its second number to 100", {Compl, next, {150, 0}, 9999, addend});
        row("multiplication first ignores the multiplier", {Mult, first, {50, 5}, 62});
        row("multiplication", {Mult, next, {50, 5}, 56});
        row("division first", {Div, first, {50, 5}, 39});
        row("division, factors up to 11", {Div, next, {500, 30}, 100});
    }

    void drawing()
    {
        QFETCH(Drawn, drawn);
        const auto &[drill, drawing, limits, count, current] = drawn;
        // A drawing seeds from the clock before it starts, addition's after the
        // first problem before every attempt, division's first problem never.
        const bool everyAttempt = drill == Add && drawing == Drawing::Next;
        const int seeds = drill == Div && drawing == Drawing::First ? 0 : 1;
        const StoppedClock clock;
        Generator random(clock);
        const DrillRules &rules = rulesOf(drill);
        QHash<std::pair<qint64, qint64>, int> hits;
        const int samples = std::max(3000, 60 * count);
        for (int i = 0; i < samples; ++i) {
            clock.readings = 0;
            const Problem p = rules.draw(random, limits, drawing, {0, 0, current});
            QVERIFY(everyAttempt ? clock.readings >= seeds : clock.readings == seeds);
            if (!admissible(drill, p, limits, drawing))
                QFAIL(toString(p));
            ++hits[{p.first, p.second}];
        }
        QCOMPARE(hits.size(), count);
        // Every problem the page may pose comes up about equally often.
        const auto [least, most] = std::minmax_element(hits.cbegin(), hits.cend());
        QVERIFY(*least * 3 > samples / count && *most < 3 * samples / count);
        // Under limits that admit no problem a drawing gives up, and poses the
        // page's smallest problem: one its least workable limits admit.
        const Problem smallest = rules.draw(random, {0, 0}, drawing, {0, 0, current});
        if (!admissible(drill, smallest, rules.leastWorkable(drawing, {0, 0, current}), drawing))
            QFAIL(toString(smallest));
    }

    void limits_data()
    {
        // A limit below its field's minimum gets the minimum when the field is
        // left; one that admits no problem at all (a stored one) when it comes to
        // drawing. Huge limits stay as typed and pose big problems.
        QTest::addColumn<Limits>("limits");
        const auto row = [](const Limits &l) {
            QTest::addRow("%s, limits typed %s",
                          QMetaEnum::fromType<Drill>().valueToKey(int(l.drill)),
                          qPrintable(l.typed.join(u' ')))
                << l;
        };
        row({Add, {"7"}, {"10"}, {"7"}, {"7"}});
        row({Add, {"1e999"}, {"1e999"}, {"1e999"}, {"1e999"}});
        row({Sub, {"2"}, {"10"}, {"2"}, {"2"}});
        row({Sub, {"30abc"}, {"30abc"}, {"30abc"}, {"30abc"}});
        row({Compl, {"4"}, {"10"}, {"4"}, {"4"}}); // 2 + ? = 2, then 2 - ? = 2 or more
        row({Compl, {"3"}, {"10"}, {"10"}, {"10"}});
        // The first problem ignores the multiplier.
        row({Mult, {"3", "0"}, {"10", "2"}, {"10", "0"}, {"10", "2"}});
        row({Div, {"4", "2.5"}, {"20", "2.5"}, {"4", "2.5"}, {"4", "2.5"}});
        row({Div, {"19.5", "1"}, {"20", "2"}, {"19.5", "2"}, {"19.5", "2"}});
        row({Div, {"3", "3"}, {"20", "3"}, {"20", "3"}, {"20", "3"}});
    }

    void limits()
    {
        QFETCH(Limits, limits);
        const auto &[drill, typed, left, first, next] = limits;
        PosedProblems drawn; // none posed: all drawn
        DrillSession leaving(drill, drawn), drawing(drill, drawn);
        for (int i = 0; i < typed.size(); ++i) {
            leaving.setLimitText(i, typed[i]);
            const bool changed = leaving.leaveLimit(i);
            QCOMPARE(changed, leaving.limitText(i) != typed[i]);
            drawing.setLimitText(i, typed[i]);
        }
        QCOMPARE(leaving.limitTexts(), left);
        drawing.poseFirstProblem();
        for (const auto &[kind, texts] :
             {std::pair{Drawing::First, first}, {Drawing::Next, next}}) {
            QCOMPARE(drawing.limitTexts(), texts);
            const Problem p = drawing.problem();
            if (!admissible(drill, p, drawing.limitValues(), kind) || p.first > kLimitCap + 1)
                QFAIL(toString(p));
            QCOMPARE(drawing.check(rightAnswer(drawing)), Verdict::Right);
        }
    }

    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        const auto row = [](const QString &text, double expected) {
            QTest::newRow(qPrintable(u'"' + text + u'"')) << text << expected;
        };
        row(" \t\n", 0);
        row("\t1\n2 3", 123); // blanks, tabs and line feeds are skipped anywhere
        row("1\r2", 1);
        row("- .25", -0.25);
        row("1 E +2", 100);
        row("15d-1", 1.5);
        row("4E-x", 4);
        row("&Hf1G", 241);
        row("&O78", 7);
        row("1e999", qInf());
        row(QStringLiteral("4\u0663"), 4); // only ASCII digits
    }

    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(textValue(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
