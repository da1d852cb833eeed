// SPDX-License-Identifier: GPL-3.0-or-later
// The window, offscreen: what the pages show and a screen reader is told,
// the keyboard and the limit fields, start-up, the ways the program ends,
// and the caret at rest.

#include "app/caretrest.h"
#include "app/drillpage.h"
#include "app/tabstrip.h"
#include "app/trainer.h"
#include "core/historymodel.h"
#include "support/admissible.h"
#include "support/drilltest.h"
#include "support/rightanswer.h"

#include <QtTest>
#include <QtWidgets>

using namespace kalkora;
using namespace kalkora::test;

namespace {

const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0B00 0C00 0D00 0E00 0300 1500 0400") + kTail;

// The dialogs answered by the test: the end question waits in `question`
// until the test answers it or the program withdraws it.
struct PresetDialogs final : Dialogs
{
    void askToEnd(QWidget *, std::function<void(bool)> answered) override
    {
        question = std::move(answered);
    }
    void withdrawQuestion() override
    {
        if (question)
            std::exchange(question, {})(false);
    }
    void showFault(QWidget *, const QString &, std::function<void()> then) override { then(); }
    std::function<void(bool)> question;
};

// The program as it starts, and what it meets: set.dat in a folder of its
// own, and the problems a test poses.
struct Run
{
    Run(const QByteArray &initial, std::map<Drill, QList<Problem>> posed)
        : problems(std::move(posed))
    {
        if (QFile file(path); file.open(QIODevice::WriteOnly))
            file.write(initial);
        trainer.emplace(problems, settings, dialogs); // start-up
    }
    QTemporaryDir dir;
    QString path = dir.filePath(u"set.dat"_s);
    PresetDialogs dialogs;
    PosedProblems problems;
    SettingsFile settings{path};
    std::optional<Trainer> trainer;
};

// Replaces a field's text as a paste does.
void paste(QLineEdit *field, const QString &text)
{
    field->selectAll();
    field->insert(text);
}

enum class EndBy { Yes, No, CloseWhileAsking };

// The keyboard on a page (a limit field; -1: the answer field), a key typed
// there, a tab clicked or the focus moved to the answer field for a reason;
// then the tab in front, counted from the page's own (but for a tab clicked),
// and the field's text.
struct Move
{
    Drill drill;
    int field;
    QKeyCombination key;
    std::optional<Drill> clicked = {};
    std::optional<Qt::FocusReason> moved = {};
    int step = 0;
    QString left = u"1"_s;
};

} // namespace

// Most tests take the window as start-up leaves it, with the limits stored in
// kOld; those about the keyboard show it and wait for it to become active.
class TestMainWindow : public QObject
{
    Q_OBJECT
    std::optional<Run> m_run;

    void start(const QByteArray &initial = kOld, std::map<Drill, QList<Problem>> posed = {})
    {
        m_run.emplace(initial, std::move(posed));
    }
    void showActive()
    {
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    MainWindow &window() { return m_run->trainer->window(); }
    DrillPage *page(Drill drill) { return window().page(drill); }
    // Shows the window with the page in front and the keyboard on a control.
    DrillPage *front(Drill drill, QWidget *focus = nullptr)
    {
        showActive();
        window().tabStrip()->setCurrentIndex(window().tabStrip()->indexOf(page(drill)));
        (focus ? focus : page(drill)->answerField())->setFocus();
        return page(drill);
    }

private Q_SLOTS:
    void init() { start(); }

    // At 96 dpi, even under a desktop font half as large again as Qt's own:
    // the window's client area of 10 005 x 5 550 twips, in one fixed size,
    // and the history columns of 700, 300, 700, 300 and 1 440 twips (Qt would
    // widen the narrow ones) under their headers, whose font the desktop test
    // shows unmoved by the desktop's. The window's icon comes sharp in both
    // sizes a desktop asks for.
    void layout()
    {
        const QFont font = QApplication::font();
        const auto restore = qScopeGuard([font] { QApplication::setFont(font); });
        QApplication::setFont(QFont(font.family(), font.pointSize() * 3 / 2));
        start();
        window().show(); // the strip lays out its tab row when it is shown
        QCOMPARE(window().centralWidget()->size(), QSize(667, 370));
        QCOMPARE(window().tabStrip()->geometry(), QRect(3, 21, 661, 346));
        QCOMPARE(page(Div)->geometry(), QRect(0, 35, 661, 311)); // under the tab row
        QCOMPARE(window().minimumSize(), window().maximumSize());
        for (const auto &[drill, sign] : {std::pair{Add, u"+"_s}, {Sub, u"-"_s}}) {
            // Each checked problem shows as a row, the page's sign and "=" between
            // its numbers, then the answer as typed when it was right.
            DrillSession &session = m_run->trainer->drills().session(drill);
            const QStringList problem{session.firstText(), sign, session.secondText(), u"="_s};
            const QString right = u' ' + rightAnswer(session) + u"abc"_s;
            for (const QString &answer : {u"x"_s, right})
                session.check(answer);
            const QTableView *list = page(drill)->findChild<QTableView *>();
            QStringList columns, rows[2];
            for (int column = 0; column < HistoryModel::ColumnCount; ++column) {
                const QString text = list->model()->headerData(column, Qt::Horizontal).toString();
                columns << text + u' ' + QString::number(list->columnWidth(column));
                for (const int row : {0, 1})
                    rows[row] << list->model()->index(row, column).data().toString();
            }
            QCOMPARE(columns,
                     QStringList({"Szám 1 47", sign + " 20", "Szám 2 47", "= 20", "Eredmény 96"}));
            QCOMPARE(list->verticalHeader()->count(), 2);
            QCOMPARE(rows[0], problem + QStringList{QString()});
            QCOMPARE(rows[1], problem + QStringList{right});
        }
        // Every page shows "=" alike, and its problem's two numbers alike and
        // level (within 3 pixels: the completion page's second one is a result).
        QSet<QString> equals;
        for (const DrillFacts &facts : kDrills) {
            QList<const QWidget *> numbers;
            for (std::size_t row = 0; row < page(facts.drill)->table().controls.size(); ++row) {
                const QWidget *control = page(facts.drill)->control(row);
                const Role role = page(facts.drill)->table().controls[row].role;
                if (control->property("text") == u"="_s)
                    equals << control->font().toString();
                if (role == Role::FirstOperand || role == Role::SecondOperand)
                    numbers << control;
            }
            QCOMPARE(numbers[0]->font(), numbers[1]->font());
            QCOMPARE(numbers[0]->palette().color(QPalette::WindowText),
                     numbers[1]->palette().color(QPalette::WindowText));
            QVERIFY(qAbs(numbers[0]->y() - numbers[1]->y()) <= 3);
        }
        QCOMPARE(equals.size(), 1);
        QCOMPARE(window().windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    }

    // Enter in the answer field checks; the page then shows, and tells a
    // screen reader, the problem and the counters (after a right answer the
    // next problem, of the other kind on the completion page, with its sign
    // alone), and the banner in its colour, with its countdown running; the
    // answer field is emptied and keeps the focus. What the answer field and
    // the banner tell, the screen reader test hears.
    void check()
    {
        using enum ProblemKind;
        start("", {{Compl, {{5, 12, MissingAddend}, {12, 5, MissingSubtrahend}}}});
        QLineEdit *field = front(Compl)->answerField();
        QTest::keyClick(field, Qt::Key_Return); // nothing typed: nothing checked
        QStringList said;
        QWidget *banner = window().findChild<QWidget *>(u"lbPEredmeny"_s);
        // The right answer pasted, past Qt's 32 767 characters: all of it counts.
        for (const QString &answer : {u"8"_s, u"6"_s, QString(40000, u'0') + u'7'}) {
            field->insert(answer);
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY(field->hasFocus() && field->text().isEmpty());
            for (std::size_t row = 0; row < page(Compl)->table().controls.size(); ++row) {
                const Role role = page(Compl)->table().controls[row].role;
                QWidget *control = page(Compl)->control(row);
                const QString text = control->property("text").toString();
                const QString name = control->accessibleName();
                if (!control->isHidden() && role != Role::Answer && role != Role::Limit &&
                    !name.isEmpty() && name != text)
                    said << text + u" ["_s + name + u']';
            }
        }
        QCOMPARE(
            said.mid(6), // from the percentage the first answer leaves
            QStringList({" % [Jó válaszok aránya: 0 %]", "1 [Hibás válasz: 1]", "5 [Első szám: 5]",
                         "+ [plusz]", "= [egyenlő]", "12 [Eredmény: 12]", "2 [Felaldva: 2 feladat]",
                         "0 [Jó válasz: 0]", " % [Jó válaszok aránya: 0 %]", "2 [Hibás válasz: 2]",
                         "12 [Első szám: 12]", "- [mínusz]", "= [egyenlő]", "5 [Eredmény: 5]",
                         "3 [Felaldva: 3 feladat]", "1 [Jó válasz: 1]",
                         "33 % [Jó válaszok aránya: 33 %]", "2 [Hibás válasz: 2]"}));
        for (const DrillFacts &facts : kDrills) // a history kept is one a list shows
            QCOMPARE(bool(page(facts.drill)->session().history()),
                     bool(page(facts.drill)->findChild<QTableView *>()));
        QCOMPARE(banner->grab().toImage().pixelColor(1, 1), Qt::green);
        // The banner shows three seconds from the check, then the tick hides it
        // and leaves alone what the child has begun to type meanwhile.
        QVERIFY(window().bannerTimer()->isActive() && window().bannerTimer()->interval() == 3000);
        QTest::keyClicks(field, u"1"_s);
        window().bannerTimer()->start(0);
        QTRY_VERIFY(banner->isHidden() && !window().bannerTimer()->isActive());
        QCOMPARE(field->text(), u"1"_s);
    }

    void keyboard_data()
    {
        QTest::addColumn<Move>("move");
        const auto row = [](const char *name, const Move &move) { QTest::newRow(name) << move; };
        const QKeyCombination none = Qt::Key_unknown;
        // A switch by a key or a click on another tab puts the keyboard on the
        // tab strip: no limit field takes it on the way, so none changes, though
        // every one holds a value below its minimum; neither does the field the
        // switch started from.
        row("Ctrl+PgDown from a limit field", {Sub, 0, Qt::CTRL | Qt::Key_PageDown, {}, {}, 1});
        row("Ctrl+PgUp", {Div, 1, Qt::CTRL | Qt::Key_PageUp, {}, {}, -1});
        row("Ctrl+Shift+Backtab, round from the first page",
            {Add, 0, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, {}, {}, -1});
        row("a click on another tab", {Mult, 1, none, Add});
        // A limit field left gets its minimum: by Tab, by a click elsewhere on
        // the page or on its own tab. The menu bar taking the keyboard, a
        // menu, or the window losing activation is no leaving.
        row("addition, Tab", {Add, 0, Qt::Key_Tab, {}, {}, 0, "10"});
        row("completion, a click on its own tab", {Compl, 0, none, Compl, {}, 0, "10"});
        row("multiplier, a click elsewhere", {Mult, 1, none, {}, Qt::MouseFocusReason, 0, "2"});
        row("divisor, a menu", {Div, 1, none, {}, Qt::PopupFocusReason});
    }
    void keyboard()
    {
        QFETCH(Move, move);
        const auto &[drill, field, key, clicked, moved, step, left] = move;
        for (const DrillFacts &facts : kDrills) {
            for (int limit = 0; limit < facts.limitCount; ++limit)
                paste(page(facts.drill)->limitField(limit), u"1"_s);
        }
        QLineEdit *start = field < 0 ? page(drill)->answerField() : page(drill)->limitField(field);
        front(drill, start);
        start->selectAll(); // a field left shows no selection, but under a menu
        TabStrip *strip = window().tabStrip();
        if (key.key() != Qt::Key_unknown)
            QTest::keyClick(start, key.key(), key.keyboardModifiers());
        if (clicked)
            QTest::mouseClick(strip->tabBar(), Qt::LeftButton, {},
                              strip->tabBar()->tabRect(strip->indexOf(page(*clicked))).center());
        if (moved)
            page(drill)->answerField()->setFocus(*moved);
        QCoreApplication::processEvents(); // the click's own handling first
        const int own = strip->indexOf(page(drill));
        const int front = clicked ? strip->indexOf(page(*clicked))
                                  : (own + step + strip->count()) % strip->count();
        QCOMPARE(strip->currentIndex(), front);
        QVERIFY(front == own || QApplication::focusWidget() == strip->tabBar());
        QCOMPARE(start->hasSelectedText(), moved == Qt::PopupFocusReason);
        // Every other limit field keeps its 1, its session too.
        QStringList limits, expected;
        for (const DrillFacts &facts : kDrills) {
            for (int limit = 0; limit < facts.limitCount; ++limit) {
                limits << page(facts.drill)->session().limitText(limit);
                expected << (page(facts.drill)->limitField(limit) == start ? left : u"1"_s);
            }
        }
        QCOMPARE(limits, expected);
    }

    // The first problems are drawn under the stored limits, at their
    // tightest here, as stored (no minimum; the field the file is too short
    // for as it was), but for one that admits no problem at all (completion
    // 1), which gets its minimum. Then the window, centred on the screen by
    // its outer size, with the keyboard on the tab strip, from where Tab goes
    // to the check button: the keyboard order is the pages' own, not the
    // order in which their controls are made.
    void startUp()
    {
        start(QByteArray::fromHex("0200 0200 0100 0400 0200 0400 02"));
        showActive();
        QStringList limits;
        for (const DrillFacts &facts : kDrills) {
            const DrillSession &s = m_run->trainer->drills().session(facts.drill);
            if (!admissible(facts.drill, s.problem(), s.limitValues(), Drawing::First))
                QFAIL(toString(s.problem()));
            limits << s.limitTexts();
        }
        QCOMPARE(limits, QStringList({"2", "2", "10", "4", "2", "4", "5"}));
        // Centred by its frame, to the pixel.
        const QPoint off =
            window().frameGeometry().center() - window().screen()->geometry().center();
        QVERIFY2(off.manhattanLength() <= 1, qPrintable(u"%1, %2 off"_s.arg(off.x()).arg(off.y())));
        QCOMPARE(window().focusWidget(), window().tabStrip()->tabBar());
        QTest::keyClick(window().tabStrip()->tabBar(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page(Add)->findChild<QPushButton *>());
    }

    void endings_data()
    {
        const QByteArray typed = QByteArray::fromHex("0300 0C00 0D00 0E00 0300 1500 0400") + kTail;
        QTest::addColumn<EndBy>("end");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Alt+B, Yes") << EndBy::Yes << typed;
        QTest::newRow("Alt+B, No") << EndBy::No << kOld;
        QTest::newRow("the window closes while asking") << EndBy::CloseWhileAsking << typed;
    }
    // The end command asks, and the program ends and saves after Yes, or
    // when the window closes while it asks (the question withdrawn as No): a
    // limit typed below its minimum and not left as typed (pasted whole, past
    // Qt's 32 767 characters), the pages never opened too. After No it goes
    // on, and has saved nothing.
    void endings()
    {
        QFETCH(EndBy, end);
        QFETCH(QByteArray, file);
        auto *field = window().findChild<QLineEdit *>(u"txMaxPlusz"_s);
        front(Add, field);
        paste(field, QString(40000, u'0') + u'3');
        QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
        QVERIFY(m_run->dialogs.question);
        if (end == EndBy::CloseWhileAsking)
            window().close();
        else
            std::exchange(m_run->dialogs.question, {})(end == EndBy::Yes);
        QVERIFY(!m_run->dialogs.question);
        QCOMPARE(window().isVisible(), end == EndBy::No);
        QFile stored(m_run->path);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), file);
    }

    // With nobody typing or clicking the caret rests: its blinking stops
    // (Qt's line edits follow the flash time 0). A key brings it back, and
    // the rest comes again a while after the latest key.
    void caretRests()
    {
        constexpr int kRest = 200;
        QGuiApplication::styleHints()->setCursorFlashTime(500);
        const CaretRest rest(kRest);
        QTest::keyClick(page(Add)->answerField(), Qt::Key_1); // awake, a key changes nothing
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 500);
        QElapsedTimer since;
        since.start();
        QTRY_VERIFY(rest.resting() && QGuiApplication::styleHints()->cursorFlashTime() == 0);
        QVERIFY(since.elapsed() >= kRest);
        QTest::keyClick(page(Add)->answerField(), Qt::Key_1);
        QVERIFY(!rest.resting() && QGuiApplication::styleHints()->cursorFlashTime() == 500);
        QTRY_VERIFY(rest.resting());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
