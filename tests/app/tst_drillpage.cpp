#include "drillpage.h"
#include "fakerandom.h"
#include "historymodel.h"
#include "pagetable.h"
#include "twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTableView>

using namespace kalkora;
using namespace kalkora::test;

namespace {

const char *const kPageNames[] = {"addition", "subtraction", "completion", "multiplication",
                                  "division"};

QString rightAnswer(DrillPage &page)
{
    DrillSession &s = page.session();
    return QString::number(qint64(s.rules().expected(s.problem())));
}

} // namespace

// One generic page built from each page's table.
class TestDrillPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void buildsEveryControlOfItsTable_data();
    void buildsEveryControlOfItsTable();
    void enterChecksAndKeepsTheFocus_data();
    void enterChecksAndKeepsTheFocus();
    void emptyAnswerDoesNothing();
    void wrongThenRightOnTheHistory();
    void historyIsNotScrolledToNewRows();
    void leavingALimitField_data();
    void leavingALimitField();
    void completionSignsFollowTheKind();

private:
    DrillPage *makePage(int index);
    QWidget *m_window = nullptr;
    ScriptedRandom *m_random = nullptr;
};

void TestDrillPage::init()
{
    m_random = new ScriptedRandom;
    m_window = new QWidget;
    m_window->resize(700, 400);
}

void TestDrillPage::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_random;
    m_random = nullptr;
}

DrillPage *TestDrillPage::makePage(int index)
{
    auto *page = new DrillPage(drillPages()[index], *m_random, Twips(96), m_window);
    page->setGeometry(0, 35, 661, 311);
    page->poseFirstProblem();
    return page;
}

void TestDrillPage::buildsEveryControlOfItsTable_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(kPageNames[i]) << i;
}

void TestDrillPage::buildsEveryControlOfItsTable()
{
    QFETCH(int, index);
    DrillPage *page = makePage(index);
    const Twips twips(96);
    for (const ControlRow &c : drillPages()[index].controls) {
        auto *w = page->findChild<QWidget *>(QString::fromLatin1(c.name));
        QVERIFY2(w, c.name);
        // Placed from the strip's corner, tab row included.
        QCOMPARE(
            w->geometry(),
            twips.rect(c.left, c.top, c.width, c.height).translated(0, -twips.px(kTabRowHeight)));
        QCOMPARE(w->focusPolicy() != Qt::NoFocus, c.tabIndex >= 0);
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QVERIFY(label->autoFillBackground());
            if (c.role == Role::Caption || c.role == Role::CaptionAfter)
                QCOMPARE(label->text(), c.text.toString());
        }
    }
    auto *banner = page->findChild<QLabel *>(QString::fromLatin1(
        std::find_if(drillPages()[index].controls.begin(), drillPages()[index].controls.end(),
                     [](const ControlRow &c) { return c.role == Role::Banner; })
            ->name));
    QVERIFY(banner->isHidden());
    QCOMPARE(banner->text(), QStringLiteral("Az eredmény HIBÁS!"));
    QCOMPARE(banner->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(banner->font().pointSizeF(), 17.25);
    QVERIFY(!banner->font().bold());
    QCOMPARE(page->checkButton()->text(), QStringLiteral("Nézzük..."));
    QVERIFY(page->checkButton()->font().bold());
    QCOMPARE(page->answerField()->maxLength(), 32767); // Qt's default: no limit of ours
    QVERIFY(!page->answerField()->validator());
    QVERIFY(page->answerField()->inputMask().isEmpty());
}

void TestDrillPage::enterChecksAndKeepsTheFocus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("right");
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("%s right", kPageNames[i]) << i << true;
        QTest::addRow("%s wrong", kPageNames[i]) << i << false;
    }
}

void TestDrillPage::enterChecksAndKeepsTheFocus()
{
    QFETCH(int, index);
    QFETCH(bool, right);
    DrillPage *page = makePage(index);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    page->answerField()->setFocus();
    QTRY_VERIFY(page->answerField()->hasFocus());

    QSignalSpy checked(page, &DrillPage::checked);
    QSignalSpy clicked(page->checkButton(), &QAbstractButton::clicked);
    const Problem before = page->session().problem();
    QTest::keyClicks(page->answerField(), right ? rightAnswer(*page) : QStringLiteral("-7"));
    QTest::keyClick(page->answerField(), Qt::Key_Return);

    QCOMPARE(clicked.count(), 1);             // Enter presses the button...
    QVERIFY(page->answerField()->hasFocus()); // ...without taking the focus there
    QCOMPARE(checked.count(), 1);
    QVERIFY(page->answerField()->text().isEmpty());

    const DrillSession &s = page->session();
    const auto label = [&](Role role) {
        for (const ControlRow &c : page->table().controls) {
            if (c.role == role)
                return page->findChild<QLabel *>(QString::fromLatin1(c.name));
        }
        return static_cast<QLabel *>(nullptr);
    };
    QCOMPARE(label(Role::Given)->text(), QStringLiteral("1"));
    QCOMPARE(label(Role::Right)->text(), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(label(Role::Wrong)->text(), right ? QStringLiteral("0") : QStringLiteral("1"));
    QCOMPARE(label(Role::Percent)->text(), right ? QStringLiteral("100 %") : QStringLiteral(" %"));
    QLabel *banner = label(Role::Banner);
    QVERIFY(banner->isVisible());
    QCOMPARE(banner->text(),
             right ? QStringLiteral("Ügyes vagy!") : QStringLiteral("Az eredmény HIBÁS!"));
    QCOMPARE(banner->palette().color(QPalette::Window),
             right ? QColor(0, 255, 0) : QColor(255, 0, 0));
    QCOMPARE(label(Role::FirstOperand)->text(), QString::number(s.problem().first));
    QCOMPARE(label(Role::SecondOperand)->text(), QString::number(s.problem().second));
    if (!right)
        QCOMPARE(s.problem(), before);
}

void TestDrillPage::emptyAnswerDoesNothing()
{
    DrillPage *page = makePage(0);
    QSignalSpy checked(page, &DrillPage::checked);
    QTest::keyClick(page->answerField(), Qt::Key_Return);
    page->checkButton()->click();
    QCOMPARE(checked.count(), 0);
    QCOMPARE(page->session().given(), 0);
    QVERIFY(page->findChild<QLabel *>(QStringLiteral("lbEredmeny"))->isHidden());
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("lbFeladva"))->text(), QStringLiteral("0"));
}

void TestDrillPage::wrongThenRightOnTheHistory()
{
    DrillPage *page = makePage(1);
    auto *list = page->findChild<QTableView *>(QStringLiteral("ListView2"));
    QVERIFY(list);
    const QString first = QString::number(page->session().problem().first);
    const QString second = QString::number(page->session().problem().second);
    const QString answer = rightAnswer(*page) + QStringLiteral(" ok");

    QTest::keyClicks(page->answerField(), QStringLiteral("0"));
    QTest::keyClick(page->answerField(), Qt::Key_Enter);
    QTest::keyClicks(page->answerField(), answer);
    QTest::keyClick(page->answerField(), Qt::Key_Return);

    QAbstractItemModel *m = list->model();
    QCOMPARE(m->rowCount(), 2);
    const QStringList headers{"Szám 1", "-", "Szám 2", "=", "Eredmény"};
    for (int column = 0; column < 5; ++column)
        QCOMPARE(m->headerData(column, Qt::Horizontal).toString(), headers.at(column));
    const QStringList wrongRow{first, "-", second, "=", ""};
    const QStringList rightRow{first, "-", second, "=", answer};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(m->index(0, column).data().toString(), wrongRow.at(column));
        QCOMPARE(m->index(1, column).data().toString(), rightRow.at(column));
    }
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("lbKSzazalek"))->text(),
             QStringLiteral("50 %"));
    QCOMPARE(list->columnWidth(HistoryModel::AnswerColumn), 96); // 1440 twips
}

void TestDrillPage::historyIsNotScrolledToNewRows()
{
    DrillPage *page = makePage(0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *list = page->findChild<QTableView *>(QStringLiteral("ListView1"));
    for (int i = 0; i < 60; ++i) {
        page->answerField()->setText(QStringLiteral("x"));
        page->checkButton()->click();
    }
    QCOMPARE(list->model()->rowCount(), 60);
    QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
}

void TestDrillPage::leavingALimitField_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("txMaxPlusz 5") << 0 << 0 << "5"
                                  << "10";
    QTest::newRow("txKivMax 30abc kept") << 1 << 0 << "30abc"
                                         << "30abc";
    QTest::newRow("txMaxSzorzo 1") << 3 << 1 << "1"
                                   << "2";
    QTest::newRow("txMaxO 19") << 4 << 0 << "19"
                               << "20";
}

void TestDrillPage::leavingALimitField()
{
    QFETCH(int, index);
    QFETCH(int, slot);
    QFETCH(QString, typed);
    QFETCH(QString, left);
    DrillPage *page = makePage(index);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QLineEdit *field = page->limitField(slot);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), typed); // typing alone applies nothing
    page->answerField()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(page->answerField()->hasFocus());
    QCOMPARE(field->text(), left);
    QCOMPARE(page->session().limitText(slot), left);
}

void TestDrillPage::completionSignsFollowTheKind()
{
    DrillPage *page = makePage(2);
    auto *plus = page->findChild<QLabel *>(QStringLiteral("lbplusz_6"));
    auto *minus = page->findChild<QLabel *>(QStringLiteral("lbMinusz_4"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const auto answer = [&](const QString &text) {
        page->answerField()->setText(text);
        page->checkButton()->click();
    };
    // right, wrong, wrong, right, right: + then - - - then + then -
    const struct
    {
        bool right;
        bool plusShown;
    } steps[] = {{true, false}, {false, false}, {false, false}, {true, true}, {true, false}};
    QVERIFY(plus->isVisible() && !minus->isVisible());
    for (const auto &step : steps) {
        const Problem before = page->session().problem();
        answer(step.right ? rightAnswer(*page) : QStringLiteral("-1"));
        if (!step.right) // a wrong answer keeps the problem and its kind
            QCOMPARE(page->session().problem(), before);
        QCOMPARE(plus->isVisible(), step.plusShown);
        QCOMPARE(minus->isVisible(), !step.plusShown);
    }
}

QTEST_MAIN(TestDrillPage)
#include "tst_drillpage.moc"
