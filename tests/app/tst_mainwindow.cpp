// SPDX-License-Identifier: GPL-3.0-or-later
// The window, offscreen: what the pages show and a screen reader is told,
// the keyboard and the limit fields, start-up, the ways the program ends,
// and the caret at rest.

#include "app/caretrest.h"
#include "app/drillpage.h"
#include "app/exitquestion.h"
#include "app/tabstrip.h"
#include "app/trainer.h"
#include "app/windowplacement.h"
#include "core/historymodel.h"
#include "support/admissible.h"
#include "support/drilltest.h"

#include <QtTest>
#include <QtWidgets>

using namespace kalkora;
using namespace kalkora::test;

namespace {

enum Ending { FrameClose, Yes, No, CloseWhileAsking };
const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0B00 0C00 0D00 0E00 0300 1500 0400") + kTail;

// The program as it starts, and what it meets: set.dat in a folder of its
// own (a folder itself for a null content), reports kept instead of shown,
// and the problems a test poses.
struct Run final : FileFaultReporter {
    Run(const QByteArray &initial, std::map<Drill, QList<Problem>> posed)
        : problems(std::move(posed)) {
        if (QFile file(path); initial.isNull())
            QDir(dir.path()).mkdir(u"set.dat"_s);
        else if (file.open(QIODevice::WriteOnly))
            file.write(initial);
        trainer.emplace(problems, settings, *this, question); // start-up
    }
    void report(const QString &plain, const QString &, Channel channel) override {
        reports << (channel == Channel::Box ? u"box: "_s : u"stderr: "_s) + plain;
    }
    QTemporaryDir dir;
    QString path = dir.filePath(u"set.dat"_s);
    QStringList reports;
    PosedProblems problems;
    SettingsFile settings{path};
    ExitQuestion question;
    std::optional<Trainer> trainer;
};

// Replaces a field's text as a paste does.
void paste(QLineEdit *field, const QString &text) {
    field->selectAll();
    field->insert(text);
}

// A way to move the keyboard from a field of a page (-1: its answer field),
// which tab is in front afterwards, and every limit field's text with its
// session's limit.
struct Move {
    int index, from;
    QString way;
    int tab;
    const char *limits;
};

} // namespace

// Most tests take the window as start-up leaves it, with the limits stored in
// kOld; those about the keyboard show it and wait for it to become active.
class TestMainWindow : public QObject
{
    Q_OBJECT
    std::optional<Run> m_run;

    void start(const QByteArray &initial = kOld, std::map<Drill, QList<Problem>> posed = {}) {
        m_run.emplace(initial, std::move(posed));
    }
    void showActive() {
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    MainWindow &window() { return m_run->trainer->window(); }
    DrillPage *page(int index) { return window().page(index); }
    // Shows the window with the page in front and the keyboard on a control.
    DrillPage *front(int index, QWidget *focus = nullptr) {
        showActive();
        window().tabStrip()->setCurrentIndex(index);
        (focus ? focus : page(index)->answerField())->setFocus();
        return page(index);
    }

private Q_SLOTS:
    void init() { start(); }

    // At 96 dpi: the window's client area of 10 005 x 5 550 twips, in one
    // fixed size, and the history columns of 700, 300, 700, 300 and 1 440
    // twips (Qt would widen the narrow ones), under their headers, which read
    // whole even under a desktop font half as large again as Qt's own. The
    // window's icon comes sharp in both sizes a desktop asks for.
    void layout() {
        const QFont font = QApplication::font();
        const auto restore = qScopeGuard([font] { QApplication::setFont(font); });
        QApplication::setFont(QFont(font.family(), font.pointSize() * 3 / 2));
        start();
        window().show(); // the strip lays out its tab row when it is shown
        QCOMPARE(window().centralWidget()->size(), QSize(667, 370));
        QCOMPARE(window().tabStrip()->geometry(), QRect(3, 21, 661, 346));
        QCOMPARE(window().tabStrip()->tabBar()->geometry(), QRect(0, 0, 661, 35));
        QCOMPARE(page(4)->geometry(), QRect(0, 35, 661, 311)); // under the tab row
        QCOMPARE(window().minimumSize(), window().maximumSize());
        for (const int p : {0, 1}) {
            const QTableView *list = page(p)->findChild<QTableView *>();
            const QHeaderView *header = list->horizontalHeader();
            const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin);
            QStringList columns;
            for (int column = 0; column < HistoryModel::ColumnCount; ++column) {
                const QString text = list->model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(header->fontMetrics().horizontalAdvance(text) + margins <=
                             list->columnWidth(column),
                         qPrintable(text));
                columns << text + u' ' + QString::number(list->columnWidth(column));
            }
            QCOMPARE(columns.join(u", "), p ? "Szám 1 47, - 20, Szám 2 47, = 20, Eredmény 96"
                                            : "Szám 1 47, + 20, Szám 2 47, = 20, Eredmény 96");
        }
        QCOMPARE(window().windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    }

    // A file fault is told in a box under the window's title when the user
    // is there to read it, and its detail in the log.
    void faultBox() {
        QTest::ignoreMessage(QtWarningMsg, "set.dat: cannot be read");
        QString told;
        QTimer::singleShot(0, [&told] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            told = box->windowTitle() + u": "_s + box->text();
            box->accept();
        });
        FileFaultReporter().loadFailed(u"set.dat"_s, u"set.dat: cannot be read"_s);
        QCOMPARE(told,
                 "Kalkora gyakorló: A beállításokat nem sikerült betölteni a set.dat fájlból. "
                 "A program az alapbeállításokkal indul.");
    }

    void check_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("seen"); // what shows, [with what a screen reader is told]
        QTest::newRow("addition, wrong")
            << 0 << "8"
            << "3 [Első szám: 3]; + [plusz]; 4 [Második szám: 4]; = [egyenlő]; [Válasz: Feladat: "
               "3 plusz 4 egyenlő mennyi?]; Az eredmény HIBÁS!; [Eddigi feladatok]; 1 [Felaldva: "
               "1 feladat]; 0 [Jó válasz: 0]; % [Jó válaszok aránya: 0 %]; 1 [Hibás válasz: 1]; "
               "50 [Eredmény max.:]";
        QTest::newRow("completion, right, then the other kind")
            << 2 << "7"
            << "12 [Első szám: 12]; - [mínusz]; [Válasz: Feladat: 12 mínusz mennyi egyenlő 5?]; = "
               "[egyenlő]; 5 [Eredmény: 5]; Ügyes vagy!; 1 [Felaldva: 1 feladat]; 1 [Jó válasz: "
               "1]; 100 % [Jó válaszok aránya: 100 %]; 0 [Hibás válasz: 0]; 50 [Eredmény max.:]";
    }
    // Enter in the answer field checks, and the page then shows, and tells a
    // screen reader, the counters, the problem (after a right answer the next
    // one, on the completion page of the other kind, with its sign alone)
    // and the banner in its colour, with its countdown running; the answer
    // field is emptied and keeps the focus.
    void check() {
        QFETCH(int, index);
        QFETCH(QString, answer);
        QFETCH(QString, seen);
        start("", checkedProblems());
        QLineEdit *field = front(index)->answerField();
        QSignalSpy checked(page(index), &DrillPage::checked);
        QTest::keyClick(field, Qt::Key_Return); // nothing typed: nothing checked
        QTest::keyClicks(field, answer);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(checked.size(), 1);
        QStringList said;
        QWidget *banner = nullptr;
        for (std::size_t row = 0; row < page(index)->table().controls.size(); ++row) {
            const Role role = page(index)->table().controls[row].role;
            QWidget *control = page(index)->control(row);
            if (role == Role::Banner) banner = control;
            const auto labels =
                QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
            QVERIFY(role != Role::Limit || labels.size() == 1); // its caption labels it
            if (control->isHidden() || role == Role::Caption || role == Role::CaptionAfter ||
                role == Role::CheckButton)
                continue;
            QStringList told{control->accessibleName(), control->accessibleDescription()};
            told.removeAll(QString());
            QString text = control->property("text").toString() + u" ["_s + told.join(u": ") + u']';
            said << text.remove(u" []"_s).trimmed();
        }
        QCOMPARE(said.join(u"; "), seen);
        QCOMPARE(banner->grab().toImage().pixelColor(1, 1), answer == u"7" ? Qt::green : Qt::red);
        QVERIFY(field->hasFocus() && field->text().isEmpty());
        // The banner shows three seconds from the check, then the tick hides it.
        QVERIFY(window().bannerTimer()->isActive() && window().bannerTimer()->interval() == 3000);
        window().bannerTimer()->start(0);
        QTRY_VERIFY(banner->isHidden() && !window().bannerTimer()->isActive());
    }

    void keyboard_data() {
        QTest::addColumn<Move>("move");
        const auto row = [](const QString &name, const Move &move) {
            QTest::newRow(qPrintable(name)) << move;
        };
        // A switch by a key or a click on another tab puts the keyboard on
        // the tab strip. No limit field takes it on the way, so none changes,
        // though every one holds a value below its minimum; neither does the
        // field the switch started from.
        const char *kept = "1/1 1/1 1/1 1/1 1/1 1/1 1/1";
        const char *keys[] = {"Ctrl+PgUp", "Ctrl+PgDown", "Ctrl+Shift+Backtab", "Ctrl+Tab"};
        for (int index = 0; index < 5; ++index) {
            for (const int from : {-1, 0}) {
                const QString at =
                    nameOf(Drill(index)) + (from ? ", answer field, " : ", limit field, ");
                for (int to = 0; to < 5; ++to)
                    if (to != index)
                        row(at + "a click on " + nameOf(Drill(to)), {index, from, "tab", to, kept});
                for (int key = 0; key < 4; ++key)
                    row(at + keys[key],
                        {index, from, keys[key], (index + (key % 2 ? 1 : 4)) % 5, kept});
            }
        }
        // A limit field left applies its minimum: by Tab, by a click elsewhere
        // on the page or on its own tab. The window losing activation, or a
        // menu or the menu bar taking the keyboard, is no leaving.
        row("addition, Tab", {0, 0, "Tab", 0, "10/10 1/1 1/1 1/1 1/1 1/1 1/1"});
        row("multiplier, a click elsewhere", {3, 1, "click", 3, "1/1 1/1 1/1 1/1 2/2 1/1 1/1"});
        row("completion, its own tab", {2, 0, "tab", 2, "1/1 1/1 10/10 1/1 1/1 1/1 1/1"});
        row("addition, window inactive", {0, 0, "inactive", 0, kept});
        row("divisor, menu", {4, 1, "menu", 4, kept});
        row("subtraction, Alt alone", {1, 0, "Alt", 1, kept});
    }
    void keyboard() {
        QFETCH(Move, move);
        const auto &[index, from, way, tab, limits] = move;
        for (int p = 0; p < 5; ++p)
            for (int limit = 0; limit < page(p)->session().limitCount(); ++limit)
                paste(page(p)->limitField(limit), u"1"_s);
        for (const Drill drill : {Drill::Addition, Drill::Subtraction}) // a row in each list
            m_run->trainer->drills().session(drill).check(u"0"_s);
        QLineEdit *start = from < 0 ? page(index)->answerField() : page(index)->limitField(from);
        front(index, start);
        start->selectAll(); // a field left shows no selection, but under a menu
        QTabBar *tabs = window().tabStrip()->tabBar();
        if (way.startsWith(u"Ctrl") || way == u"Tab") QTest::keySequence(start, QKeySequence(way));
        if (way == u"tab") QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        if (way == u"click") QTest::mouseClick(page(index)->answerField(), Qt::LeftButton);
        if (way == u"inactive") page(index)->answerField()->setFocus(Qt::ActiveWindowFocusReason);
        if (way == u"menu") page(index)->answerField()->setFocus(Qt::PopupFocusReason);
        if (way == u"Alt") QTest::keyClick(start, Qt::Key_Alt);
        QCoreApplication::processEvents(); // the click's own handling first
        QCOMPARE(window().tabStrip()->currentIndex(), tab);
        QVERIFY(!start->hasFocus());
        QCOMPARE(start->hasSelectedText(), way == u"menu");
        QVERIFY(way != u"Alt" || window().menuBar()->hasFocus());
        QStringList texts;
        for (int p = 0; p < 5; ++p)
            for (int limit = 0; limit < page(p)->session().limitCount(); ++limit)
                texts << page(p)->limitField(limit)->text() + u'/' +
                             page(p)->session().limitText(limit);
        QCOMPARE(texts.join(u' '), QString::fromLatin1(limits));
        if (tab == index && way != u"tab") return;
        // From the strip (named "|" here) Tab goes round the page in front,
        // its place in the window-wide order, and leaves the list after one stop.
        const char *orders[] = {"Command1 txEredmeny ListView1 txMaxPlusz |",
                                "cmdKivonas txKEredmeny ListView2 txKivMax |",
                                "txPEredmeny cmdPotlas txPotlasMax |",
                                "txSzEredmeny cmdSzNezzuk txMaxSz txMaxSzorzo |",
                                "txMaxOszto txMaxO cmdONezzuk txOEredmeny |"};
        QCOMPARE(QApplication::focusWidget(), tabs);
        tabs->setObjectName(u"|"_s);
        QStringList visited;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        } while (QApplication::focusWidget() != tabs && visited.size() < 9);
        QCOMPARE(visited.join(u' '), QString::fromLatin1(orders[tab]));
    }

    // The first problems are drawn under the stored limits, at their
    // tightest here, as stored (no minimum; the field the file is too short
    // for as it was), but for one that admits no problem at all (completion
    // 1), which gets its minimum. Then the window, centred by its outer
    // size, with the keyboard on the tab strip.
    void startUp() {
        start(QByteArray::fromHex("0200 0200 0100 0400 0200 0400 02"));
        showActive();
        QStringList limits;
        for (const Drill drill : kDrills) {
            const DrillSession &s = m_run->trainer->drills().session(drill);
            if (!admissible(drill, s.problem(), s.limitValues(), Drawing::First))
                QFAIL(toString(s.problem()));
            for (int limit = 0; limit < s.limitCount(); ++limit) limits << s.limitText(limit);
        }
        QCOMPARE(limits.join(u' '), u"2 2 10 4 2 4 5"_s);
        const QRect frame = window().frameGeometry();
        QCOMPARE(frame.topLeft(), centredPosition(window().screen()->geometry(), frame.size()));
        QCOMPARE(window().focusWidget(), window().tabStrip()->tabBar());
    }

    // Where a window of a given outer size stands when centred on a screen.
    void centring_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("corner");
        const auto row = [](const char *name, QRect screen, QSize frame, QPoint corner) {
            QTest::newRow(name) << screen << frame << corner;
        };
        row("odd gaps: the extra pixel below and right", {0, 0, 1024, 768}, {669, 411}, {177, 178});
        row("a screen smaller than the window", {0, 0, 640, 400}, {669, 410}, {-15, -5});
        row("the second screen", {1920, 0, 1280, 1024}, {680, 424}, {2220, 300});
    }
    void centring() {
        QFETCH(QRect, screen);
        QFETCH(QSize, frame);
        QFETCH(QPoint, corner);
        QCOMPARE(centredPosition(screen, frame), corner);
    }

    void endings_data() {
        QTest::addColumn<int>("ending");
        QTest::addColumn<bool>("folder"); // set.dat a folder: neither read nor written
        QTest::newRow("frame close: not asked") << int(FrameClose) << false;
        QTest::newRow("Alt+B, Yes") << int(Yes) << false;
        QTest::newRow("Alt+B, No") << int(No) << false;
        QTest::newRow("the window closes while asking") << int(CloseWhileAsking) << false;
        QTest::newRow("frame close, failing") << int(FrameClose) << true;
        QTest::newRow("Yes, failing") << int(Yes) << true;
    }
    // The program ends, and saves, after the frame's close or Yes: a limit
    // typed below its minimum and not left as typed, the pages never opened
    // too. A file that cannot be read or written is told: at start-up in a
    // box, at the end in a box after Yes, on standard error after the frame's
    // close.
    void endings() {
        QFETCH(int, ending);
        QFETCH(bool, folder);
        if (folder) start(QByteArray());
        QLineEdit *field = page(0)->limitField(0);
        front(0, field);
        paste(field, u"3"_s);
        if (ending == Yes || ending == No) m_run->question.presetAnswer(ending == Yes);
        if (ending == CloseWhileAsking) // the question is withdrawn, as No
            QTimer::singleShot(0, &window(), [this] { window().close(); });
        if (ending == FrameClose)
            window().close();
        else
            QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(m_run->question.timesAsked(), ending == FrameClose ? 0 : 1);
        QCOMPARE(window().isVisible(), ending == No);
        QFile file(m_run->path);
        QVERIFY(file.open(QIODevice::ReadOnly) != folder);
        const QByteArray typed = QByteArray::fromHex("0300 0C00 0D00 0E00 0300 1500 0400") + kTail;
        QCOMPARE(file.readAll(), folder ? "" : ending == No ? kOld : typed);
        const QString saveFailed =
            u": A beállításokat nem sikerült elmenteni a "_s + m_run->path + u" fájlba."_s;
        QCOMPARE(m_run->reports.size(), folder ? 2 : 0);
        QVERIFY(!folder ||
                (m_run->reports.first().startsWith(u"box: A beállításokat nem") &&
                 m_run->reports.last() == (ending == Yes ? u"box"_s : u"stderr"_s) + saveFailed));
    }

    // With nobody typing or clicking the caret rests: its blinking stops
    // (Qt's line edits follow the flash time 0). A key brings it back, and
    // the rest comes again a while after the latest key.
    void caretRests() {
        constexpr int kRest = 200;
        QGuiApplication::styleHints()->setCursorFlashTime(500);
        const CaretRest rest(kRest);
        QElapsedTimer since;
        since.start();
        QTRY_VERIFY(rest.resting() && QGuiApplication::styleHints()->cursorFlashTime() == 0);
        QVERIFY(since.elapsed() >= kRest);
        QTest::keyClick(page(0)->answerField(), Qt::Key_1);
        QVERIFY(!rest.resting() && QGuiApplication::styleHints()->cursorFlashTime() == 500);
        QTRY_VERIFY(rest.resting());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
