#include "allrules.h"
#include "drillsession.h"
#include "fakerandom.h"
#include "historymodel.h"
#include "textvalue.h"

#include <QTest>

#include <cmath>

using namespace kalkora;
using namespace kalkora::test;

namespace {

QString cell(const DrillSession &s, int row, int column)
{
    const HistoryModel *h = s.history();
    return h->data(h->index(row, column)).toString();
}

QString rightAnswer(const DrillSession &s)
{
    return decimalText(qint64(s.rules().expected(s.problem())));
}

} // namespace

class TestDrillSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checks_data();
    void checks();
    void rightAnswerPosesTheNextProblem();
    void leavingALimit_data();
    void leavingALimit();
    void storedLimits_data();
    void storedLimits();
    void hugeLimits_data();
    void hugeLimits();
};

void TestDrillSession::checks_data()
{
    // On the addition page posing 3 + 4.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<Banner>("banner");

    QTest::newRow("wrong first") << QStringList{"5"} << 0 << 1 << " %" << QStringList{""}
                                 << Banner::Wrong;
    QTest::newRow("blanks only are wrong")
        << QStringList{"   "} << 0 << 1 << " %" << QStringList{""} << Banner::Wrong;
    QTest::newRow("wrong then right")
        << QStringList{"5", "7"} << 1 << 1 << "50 %" << QStringList{"", "7"} << Banner::Right;
    QTest::newRow("right then wrong")
        << QStringList{"7", "0"} << 1 << 1 << "50 %" << QStringList{"7", ""} << Banner::Wrong;
    QTest::newRow("letters after the number are kept")
        << QStringList{"7abc"} << 1 << 0 << "100 %" << QStringList{"7abc"} << Banner::Right;
    QTest::newRow("7.0 is 7") << QStringList{"7.0"} << 1 << 0 << "100 %" << QStringList{"7.0"}
                              << Banner::Right;
    QTest::newRow("blanks around are kept")
        << QStringList{" 7 "} << 1 << 0 << "100 %" << QStringList{" 7 "} << Banner::Right;
    QTest::newRow("letters only are 0")
        << QStringList{"hét"} << 0 << 1 << " %" << QStringList{""} << Banner::Wrong;
    QTest::newRow("one of three") << QStringList{"1", "2", "7"} << 1 << 2 << "33 %"
                                  << QStringList{"", "", "7"} << Banner::Right;
}

void TestDrillSession::checks()
{
    QFETCH(QStringList, answers);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, percent);
    QFETCH(QStringList, rows);
    QFETCH(Banner, banner);

    ScriptedRandom random({drawFor(3, 99, 1), drawFor(4, 99, 1)});
    DrillSession s(addition, random);
    s.poseFirstProblem();
    for (const QString &answer : std::as_const(answers))
        QVERIFY(s.check(answer) != Verdict::Ignored);
    QCOMPARE(s.right(), right);
    QCOMPARE(s.wrong(), wrong);
    QCOMPARE(s.given(), qint64(answers.size()));
    QCOMPARE(s.percentText(), percent);
    QCOMPARE(s.banner(), banner);
    QCOMPARE(s.history()->rowCount(), rows.size());
    bool solved = false;
    for (int row = 0; row < rows.size(); ++row) {
        QCOMPARE(cell(s, row, HistoryModel::SignColumn), QStringLiteral("+"));
        QCOMPARE(cell(s, row, HistoryModel::EqualsColumn), QStringLiteral("="));
        QCOMPARE(cell(s, row, HistoryModel::AnswerColumn), rows.at(row));
        if (!solved) { // rows hold 3 + 4 until it was solved
            QCOMPARE(cell(s, row, HistoryModel::FirstColumn), QStringLiteral("3"));
            QCOMPARE(cell(s, row, HistoryModel::SecondColumn), QStringLiteral("4"));
        }
        solved = solved || !rows.at(row).isEmpty();
    }
}

void TestDrillSession::rightAnswerPosesTheNextProblem()
{
    ScriptedRandom random({drawFor(9, 50, 1), drawFor(2, 50, 1),    // start-up: 9 - 2
                           drawFor(80, 99, 1), drawFor(3, 99, 1)}); // then 80 - 3
    DrillSession s(subtraction, random);
    s.poseFirstProblem();
    QCOMPARE(s.problem(), (Problem{9, 2}));
    QCOMPARE(s.check(QStringLiteral("6")), Verdict::Wrong);
    QCOMPARE(s.problem(), (Problem{9, 2}));
    s.setLimitText(0, QStringLiteral("99")); // takes effect with the next problem only
    QCOMPARE(s.problem(), (Problem{9, 2}));
    QCOMPARE(s.check(QStringLiteral("7")), Verdict::Right);
    QCOMPARE(cell(s, 1, HistoryModel::FirstColumn), QStringLiteral("9"));
    QCOMPARE(cell(s, 1, HistoryModel::AnswerColumn), QStringLiteral("7"));
    QCOMPARE(s.problem(), (Problem{80, 3})); // drawn with the new limit
}

void TestDrillSession::leavingALimit_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");

    const char *const tenFields[][2] = {
        {"addition", "0"}, {"subtraction", "1"}, {"completion", "2"}, {"product", "3"}};
    for (const auto &[name, page] : tenFields) {
        const int p = QByteArray(page).toInt();
        auto row = [&](const char *what, const char *typed, const char *left) {
            QTest::addRow("%s %s", name, what) << p << 0 << typed << left;
        };
        row("5", "5", "10");
        row("letters", "abc", "10");
        row("empty", "", "10");
        row("9.99", "9.99", "10");
        row("negative", "-20", "10");
        row("10 stays", "10", "10");
        row("250 stays", "250", "250");
        row("10.5 stays", "10.5", "10.5");
        row("30abc stays", "30abc", "30abc");
        row("1e308 stays", "1e308", "1e308");
    }
    QTest::newRow("multiplier 1") << 3 << 1 << "1"
                                  << "2";
    QTest::newRow("multiplier letters") << 3 << 1 << "abc"
                                        << "2";
    QTest::newRow("multiplier 2 stays") << 3 << 1 << "2"
                                        << "2";
    QTest::newRow("multiplier 2.5 stays") << 3 << 1 << "2.5"
                                          << "2.5";
    QTest::newRow("multiplier 7 stays") << 3 << 1 << "7"
                                        << "7";
    QTest::newRow("dividend 19") << 4 << 0 << "19"
                                 << "20";
    QTest::newRow("dividend empty") << 4 << 0 << ""
                                    << "20";
    QTest::newRow("dividend 20 stays") << 4 << 0 << "20"
                                       << "20";
    QTest::newRow("divisor 1") << 4 << 1 << "1"
                               << "2";
    QTest::newRow("divisor 0") << 4 << 1 << "0"
                               << "2";
    QTest::newRow("divisor 2 stays") << 4 << 1 << "2"
                                     << "2";
    QTest::newRow("divisor 3.5 stays") << 4 << 1 << "3.5"
                                       << "3.5";
}

void TestDrillSession::leavingALimit()
{
    QFETCH(int, page);
    QFETCH(int, slot);
    QFETCH(QString, typed);
    QFETCH(QString, left);

    ScriptedRandom random;
    DrillSession s(*kRules[page], random);
    s.setLimitText(slot, typed);
    QCOMPARE(s.limitText(slot), typed); // typing alone changes nothing
    QCOMPARE(s.leaveLimit(slot), typed != left);
    QCOMPARE(s.limitText(slot), left);
}

void TestDrillSession::storedLimits_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("afterFirst");
    QTest::addColumn<QStringList>("afterNext");

    auto l = [](std::initializer_list<const char *> texts) {
        QStringList out;
        for (const char *t : texts)
            out << QString::fromLatin1(t);
        return out;
    };
    QTest::newRow("addition 7 honoured") << 0 << l({"7"}) << l({"7"}) << l({"7"});
    QTest::newRow("addition 1 admits nothing") << 0 << l({"1"}) << l({"10"}) << l({"10"});
    QTest::newRow("completion 3") << 2 << l({"3"}) << l({"10"}) << l({"10"});
    QTest::newRow("multiplication 3 / 0: multiplier waits for the next problem")
        << 3 << l({"3", "0"}) << l({"10", "0"}) << l({"10", "2"});
    QTest::newRow("division 4 / 2 honoured")
        << 4 << l({"4", "2"}) << l({"4", "2"}) << l({"4", "2"});
    QTest::newRow("division 3 / 1") << 4 << l({"3", "1"}) << l({"20", "2"}) << l({"20", "2"});
}

void TestDrillSession::storedLimits()
{
    QFETCH(int, page);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, afterFirst);
    QFETCH(QStringList, afterNext);

    ScriptedRandom random;
    DrillSession s(*kRules[page], random);
    for (int i = 0; i < stored.size(); ++i)
        s.setLimitText(i, stored.at(i));
    s.poseFirstProblem();
    for (int i = 0; i < stored.size(); ++i)
        QCOMPARE(s.limitText(i), afterFirst.at(i));
    QCOMPARE(s.check(rightAnswer(s)), Verdict::Right);
    for (int i = 0; i < stored.size(); ++i)
        QCOMPARE(s.limitText(i), afterNext.at(i));
    const double l0 = textValue(s.limitText(0));
    const Problem &p = s.problem();
    if (page == 0)
        QVERIFY(p.first + p.second <= l0);
    if (page == 3)
        QVERIFY(p.first * p.second <= l0);
}

void TestDrillSession::hugeLimits_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("limit");
    const char *const texts[] = {"1e308", "1e999", "99999999999999999999", "&HFFFFFFFFFFFFFFFFFF"};
    const char *const pages[] = {"addition", "subtraction", "completion", "multiplication",
                                 "division"};
    for (int page = 0; page < 5; ++page) {
        for (const char *text : texts)
            QTest::addRow("%s %s", pages[page], text) << page << QString::fromLatin1(text);
    }
}

void TestDrillSession::hugeLimits()
{
    QFETCH(int, page);
    QFETCH(QString, limit);

    ScriptedRandom random;
    DrillSession s(*kRules[page], random);
    for (int i = 0; i < s.limitCount(); ++i)
        s.setLimitText(i, limit);
    s.poseFirstProblem();
    for (int round = 0; round < 50; ++round) {
        const double expected = s.rules().expected(s.problem());
        QVERIFY(std::isfinite(expected));
        QCOMPARE(expected, std::floor(expected));
        QVERIFY(std::abs(s.problem().first) <= qint64(kLimitCap) + 1);
        QVERIFY(!s.firstText().contains(QLatin1String("inf")));
        QCOMPARE(s.check(rightAnswer(s)), Verdict::Right);
    }
    QCOMPARE(s.limitText(0), limit); // the text stays as typed
}

QTEST_GUILESS_MAIN(TestDrillSession)
#include "tst_drillsession.moc"
