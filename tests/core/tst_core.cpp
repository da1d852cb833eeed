// SPDX-License-Identifier: GPL-3.0-or-later
// The core: what each page's rules may draw, how a session checks answers
// and keeps its limits, and what typed texts stand for.

#include "core/drillsession.h"
#include "core/historymodel.h"
#include "core/textvalue.h"
#include "support/admissible.h"
#include "support/drilltest.h"
#include "support/rightanswer.h"

#include <QHash>
#include <QLocale>
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

// Answers checked on a page, and the counters, percentage and history rows
// (first, second, answer) they leave.
struct Checked
{
    Drill drill;
    QStringList answers;
    int right, wrong;
    QString percent;
    QList<QStringList> history = {};
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
        row("addition, tightest", {Add, next, {2, 0}, 1});
        row("addition first keeps below 100", {Add, first, {250, 0}, 99 * 99});
        row("subtraction, limit 10.5 reaches 11", {Sub, next, {10.5, 0}, 55});
        row("subtraction, tightest", {Sub, first, {2, 0}, 1});
        row("addend first, tightest", {Compl, first, {4, 0}, 1});
        row("addend after subtrahend", {Compl, next, {50, 0}, 576, ProblemKind::MissingSubtrahend});
        row("subtrahend after addend", {Compl, next, {10, 0}, 55, addend});
        row("subtrahend, tightest", {Compl, next, {1, 0}, 1, addend});
        row("subtrahend keeps its second number to 100", {Compl, next, {150, 0}, 9999, addend});
        row("multiplication first ignores the multiplier", {Mult, first, {50, 5}, 62});
        row("multiplication", {Mult, next, {50, 5}, 56});
        row("multiplication, tightest", {Mult, next, {4, 2}, 1});
        row("division first", {Div, first, {50, 5}, 39});
        row("division, factors up to 11", {Div, next, {500, 30}, 100});
        row("division, tightest", {Div, next, {4, 2}, 1});
    }

    void drawing()
    {
        QFETCH(Drawn, drawn);
        const auto &[drill, drawing, limits, count, current] = drawn;
        const DrillRules &rules = rulesOf(drill);
        const Problem on{0, 0, current};
        // A drawing seeds from the clock before it starts, addition's after the
        // first problem before every attempt, division's first problem never.
        const bool everyAttempt = drill == Add && drawing == Drawing::Next;
        const int seeds = drill == Div && drawing == Drawing::First ? 0 : 1;
        const StoppedClock clock;
        Generator random(clock);
        QHash<std::pair<qint64, qint64>, int> hits;
        const int samples = std::max(3000, 60 * count);
        for (int i = 0; i < samples; ++i) {
            clock.readings = 0;
            const Problem p = rules.draw(random, limits, drawing, on);
            QVERIFY(everyAttempt ? clock.readings >= seeds : clock.readings == seeds);
            if (!admissible(drill, p, limits, drawing))
                QFAIL(toString(p));
            ++hits[{p.first, p.second}];
        }
        QCOMPARE(hits.size(), count);
        // Every problem the page may pose comes up about equally often.
        const auto [least, most] = std::minmax_element(hits.cbegin(), hits.cend());
        QVERIFY(*least * 3 > samples / count && *most < 3 * samples / count);
    }

    void checks_data()
    {
        QTest::addColumn<Checked>("checked");
        const auto row = [](const Checked &c) {
            QTest::addRow("%s, answers \"%s\"", nameOf(c.drill),
                          qPrintable(c.answers.join(u"\", \"")))
                << c;
        };
        row({Add, {""}, 0, 0, "100"});
        row({Add, {"5", "", "7"}, 1, 1, "50", {{"3", "4", ""}, {"3", "4", "7"}}});
        row({Add, {"   "}, 0, 1, "", {{"3", "4", ""}}});
        // The answer as typed, blanks and letters included.
        row({Add, {" 7.0abc "}, 1, 0, "100", {{"3", "4", " 7.0abc "}}});
        row({Add,
             {"7", "0", "-1"},
             1,
             2,
             "33",
             {{"3", "4", "7"}, {"10", "20", ""}, {"10", "20", ""}}});
        row({Sub, {"11", "7"}, 1, 1, "50", {{"9", "2", ""}, {"9", "2", "7"}}});
        row({Compl, {"17", "7", "17", "7"}, 2, 2, "50"});
        row({Mult, {"13", "42"}, 1, 1, "50"});
        row({Div, {"30", "7"}, 1, 1, "50"});
    }

    void checks()
    {
        QFETCH(Checked, checked);
        PosedProblems posed(checkedProblems());
        DrillSession s(checked.drill, posed);
        s.poseFirstProblem();
        for (const QString &answer : std::as_const(checked.answers)) {
            const Problem before = s.problem();
            const Verdict verdict = s.check(answer);
            QCOMPARE(verdict == Verdict::Ignored, answer.isEmpty());
            QCOMPARE(s.problem() != before, verdict == Verdict::Right); // wrong keeps it
            if (verdict != Verdict::Ignored)
                QCOMPARE(s.banner(), verdict == Verdict::Right ? Banner::Right : Banner::Wrong);
        }
        QCOMPARE(s.right(), checked.right);
        QCOMPARE(s.wrong(), checked.wrong);
        QCOMPARE(s.percentText(), checked.percent);
        QList<QStringList> rows;
        for (int row = 0; s.history() && row < s.history()->rowCount(); ++row) {
            rows.append(QStringList());
            for (const int column : {HistoryModel::FirstColumn, HistoryModel::SecondColumn,
                                     HistoryModel::AnswerColumn})
                rows.last() << s.history()->index(row, column).data().toString();
        }
        QCOMPARE(rows, checked.history);
    }

    void limits_data()
    {
        // A limit below its field's minimum gets the minimum when the field is
        // left; one that admits no problem at all (a stored one) when it comes to
        // drawing. Huge limits stay as typed and pose big problems.
        QTest::addColumn<Limits>("limits");
        const auto row = [](const Limits &l) {
            QTest::addRow("%s, limits typed %s", nameOf(l.drill), qPrintable(l.typed.join(u' ')))
                << l;
        };
        row({Add, {"7"}, {"10"}, {"7"}, {"7"}});
        row({Add, {"1"}, {"10"}, {"10"}, {"10"}});
        row({Add, {"1e999"}, {"1e999"}, {"1e999"}, {"1e999"}});
        row({Sub, {"2"}, {"10"}, {"2"}, {"2"}});
        row({Sub, {"abc"}, {"10"}, {"10"}, {"10"}});
        row({Sub, {"30abc"}, {"30abc"}, {"30abc"}, {"30abc"}});
        row({Compl, {"4"}, {"10"}, {"4"}, {"4"}}); // 2 + ? = 2, then 2 - ? = 2 or more
        row({Compl, {"3"}, {"10"}, {"10"}, {"10"}});
        row({Compl, {"&HFFFFFFFFFF"}, {"&HFFFFFFFFFF"}, {"&HFFFFFFFFFF"}, {"&HFFFFFFFFFF"}});
        // The first problem ignores the multiplier.
        row({Mult, {"3", "0"}, {"10", "2"}, {"10", "0"}, {"10", "2"}});
        row({Mult, {"10", "2"}, {"10", "2"}, {"10", "2"}, {"10", "2"}});
        row({Mult, {"3", "5"}, {"10", "5"}, {"10", "5"}, {"10", "5"}});
        row({Div, {"4", "2"}, {"20", "2"}, {"4", "2"}, {"4", "2"}});
        row({Div, {"19.5", "1"}, {"20", "2"}, {"19.5", "2"}, {"19.5", "2"}});
        row({Div, {"3", "3"}, {"20", "3"}, {"20", "3"}, {"20", "3"}});
    }

    void limits()
    {
        QFETCH(Limits, limits);
        const auto &[drill, typed, left, first, next] = limits;
        PosedProblems drawn; // none posed: all drawn
        DrillSession leaving(drill, drawn), drawing(drill, drawn);
        const auto textsOf = [](const DrillSession &s) {
            QStringList texts;
            for (int i = 0; i < s.limitCount(); ++i)
                texts << s.limitText(i);
            return texts;
        };
        for (int i = 0; i < typed.size(); ++i) {
            leaving.setLimitText(i, typed[i]);
            const bool changed = leaving.leaveLimit(i);
            QCOMPARE(changed, leaving.limitText(i) != typed[i]);
            drawing.setLimitText(i, typed[i]);
        }
        QCOMPARE(textsOf(leaving), left);
        drawing.poseFirstProblem();
        for (const auto &[kind, texts] :
             {std::pair{Drawing::First, first}, {Drawing::Next, next}}) {
            QCOMPARE(textsOf(drawing), texts);
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
        row("+8", 8);
        row("- .25", -0.25);
        row("1.2.3", 1.2);
        row("abc12", 0);
        row("1 E +2", 100);
        row("1D2", 100);
        row("15d-1", 1.5);
        row("4E-x", 4);
        row("&Hf1G", 241);
        row("&hA", 10);
        row("& o 17", 15);
        row("&O78", 7);
        row("&H10", 16); // 0 is a digit like any other
        row("99999999999999999999", 1e20);
        row("1e999", qInf());
        row("-1e999", -qInf());
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
