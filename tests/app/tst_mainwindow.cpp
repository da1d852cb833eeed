#include "app/drillpage.h"
#include "app/exitquestion.h"
#include "app/filefaultreporter.h"
#include "app/tabstrip.h"
#include "app/trainer.h"
#include "app/windowplacement.h"
#include "core/historymodel.h"
#include "settings/settingsfile.h"
#include "support/fakerandom.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kalkora;
using namespace kalkora::test;

namespace {

enum Answer { Right, Wrong, Empty };
// The first four end the program; from Yes on, the end command asks.
enum Ending { FrameClose, SessionEnd, Yes, CloseWindow, No, Escape, CloseBox };
const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0B00 0C00 0D00 0E00 0300 1500 0400") + kTail;

// The program's objects and what they meet: set.dat in a folder of its own,
// with the saves that reach the disk counted; the reports kept instead of
// shown; the program's generator, with a look at the window at each seeding.
struct Run final : SettingsDevices, FileFaultReporter, RandomSource
{
    // A null content makes set.dat a folder.
    explicit Run(const QByteArray &initial = kOld, QList<float> script = {})
        : random(std::move(script))
    {
        if (initial.isNull())
            QDir(dir.path()).mkdir(QStringLiteral("set.dat"));
        else if (QFile file(path); file.open(QIODevice::WriteOnly))
            file.write(initial);
    }
    // Start-up.
    Trainer &start()
    {
        trainer.emplace(*this, settings, *this, question);
        return *trainer;
    }
    std::unique_ptr<QFile> file(const QString &name) const override
    {
        log << QStringLiteral("read");
        return SettingsDevices::file(name);
    }
    std::unique_ptr<QSaveFile> replacement(const QString &name) const override
    {
        ++saves;
        return SettingsDevices::replacement(name);
    }
    void report(const QString &plain, const QString &detail, Channel channel) override
    {
        reports << QString::fromLatin1(channel == Channel::Box ? "box: " : "stderr: ") + plain +
                       u' ' + detail;
    }
    float next() override { return random.next(); }
    void seedFromClock() override
    {
        log << QStringLiteral("seed at %1").arg(random.draws);
        random.seedFromClock();
    }
    QByteArray content() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toHex(' ') : "<unreadable>";
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("set.dat"));
    mutable int saves = 0;
    mutable QStringList log; // the settings read and the seedings, in order
    QStringList reports;
    ScriptedRandom random;
    SettingsFile settings{path, *this};
    ExitQuestion question;
    std::optional<Trainer> trainer;
};

// Replaces a field's text as a paste does.
void paste(QLineEdit *field, const QString &text)
{
    field->selectAll();
    field->insert(text);
}

// The text of the page's control of that role, when it is not hidden.
QString shown(const DrillPage *page, Role role)
{
    for (const ControlRow &c : page->table().controls) {
        if (c.role == role) {
            const auto *l = page->findChild<QLabel *>(QString::fromLatin1(c.name));
            return l->isHidden() ? QString() : l->text();
        }
    }
    return QStringLiteral("<none>");
}

} // namespace

// Most tests take the window as the program shows it after start-up, with
// the limits stored in kOld.
class TestMainWindow : public QObject
{
    Q_OBJECT
    std::optional<Run> m_run;

    MainWindow &window() { return m_run->trainer->window(); }
    DrillPage *page(int index) { return window().page(index); }
    QList<QLineEdit *> limitFields()
    {
        QList<QLineEdit *> fields;
        for (int p = 0; p < 5; ++p) {
            for (int limit = 0; limit < page(p)->session().limitCount(); ++limit)
                fields << page(p)->limitField(limit);
        }
        return fields;
    }
    DrillPage *front(int index, QWidget *focus = nullptr)
    {
        window().tabStrip()->setCurrentIndex(index);
        (focus ? focus : page(index)->answerField())->setFocus();
        return page(index);
    }
    void submit(int index)
    {
        page(index)->answerField()->setText(QStringLiteral("x"));
        page(index)->checkButton()->click();
    }

private Q_SLOTS:
    void init()
    {
        m_run.emplace();
        m_run->start().window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    void cleanup() { m_run.reset(); }

    // A few places at 96 dpi: the pages sit right under the tab row.
    void layout()
    {
        QCOMPARE(window().tabStrip()->geometry(), QRect(3, 21, 661, 346));
        QCOMPARE(page(4)->limitField(1)->geometry(), QRect(171, 262, 61, 32));
        for (int p = 0; p < 5; ++p)
            QCOMPARE(page(p)->isVisible(), p == 0);
        // The history columns at 700, 300, 700, 300 and 1440 twips.
        const auto *list = page(0)->findChild<QTableView *>();
        QList<int> widths;
        for (int column = 0; column < 5; ++column)
            widths << list->columnWidth(column);
        QCOMPARE(widths, QList<int>({47, 20, 47, 20, 96}));
    }

    void switchingTabs_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); // -1 to -4: the keyboard switches below
        QTest::addColumn<bool>("fromLimit");
        for (int from = 0; from < 5; ++from) {
            for (const bool fromLimit : {false, true}) {
                const char *field = fromLimit ? "limit" : "answer";
                for (int to = 0; to < 5; ++to) {
                    if (to != from)
                        QTest::addRow("click %d to %d, from the %s", from, to, field)
                            << from << to << fromLimit;
                }
                for (int key = 1; key <= 4; ++key)
                    QTest::addRow("key %d on %d, from the %s", key, from, field)
                        << from << -key << fromLimit;
            }
        }
    }
    // A switch by a click on a tab or by Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn
    // or Ctrl+PgUp puts the keyboard on the tab strip. No limit field takes
    // the focus on the way, so none changes, though every one holds a value
    // below its minimum; neither does the field the switch started from.
    void switchingTabs()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, fromLimit);
        const auto limits = [this] {
            QStringList texts;
            for (const QLineEdit *field : limitFields())
                texts << field->text();
            return texts;
        };
        for (QLineEdit *field : limitFields())
            paste(field, QStringLiteral("1"));
        QWidget *start = fromLimit ? page(from)->limitField(0) : page(from)->answerField();
        front(from, start);
        QTRY_VERIFY(start->hasFocus());
        QTabBar *tabs = window().tabStrip()->tabBar();
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Tab, Qt::ControlModifier},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_PageDown, Qt::ControlModifier},
            {Qt::Key_PageUp, Qt::ControlModifier}};
        if (to >= 0) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(to).center());
        } else {
            const auto [key, modifiers] = keys[-to - 1];
            QTest::keyClick(start, key, modifiers);
            to = (from + (to == -1 || to == -3 ? 1 : 4)) % 5;
        }
        QCOMPARE(window().tabStrip()->currentIndex(), to);
        QCOMPARE(QApplication::focusWidget(), tabs);
        // The child then clicks the answer field and types.
        QTest::mouseClick(page(to)->answerField(), Qt::LeftButton);
        QTRY_VERIFY(page(to)->answerField()->hasFocus());
        QCOMPARE(limits(), QStringList(7, QStringLiteral("1")));
    }

    // Any text of any length is taken and judged by the text-value rule.
    void longTexts()
    {
        DrillPage *p = front(0);
        const DrillSession &s = p->session();
        const QString answer = QString::number(qint64(s.rules().expected(s.problem())));
        const QString letters(100'000, u'x');
        paste(p->limitField(0), QString(100'000, u'9'));
        paste(p->answerField(), answer + letters);
        QCOMPARE(p->answerField()->text().size(), answer.size() + letters.size());
        QTest::keyClick(p->answerField(), Qt::Key_Return);
        QCOMPARE(s.right(), 1);
        QCOMPARE(s.history()->index(0, 4).data().toString(), answer + letters);
        QCOMPARE(s.limitText(0).size(), 100'000);
        QVERIFY(s.problem().first + s.problem().second <= kLimitCap);
    }

    void check_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("answer");
        for (int p = 0; p < 5; ++p) {
            QTest::addRow("page %d right, Enter", p) << p << int(Right);
            QTest::addRow("page %d wrong, button", p) << p << int(Wrong);
        }
        QTest::newRow("empty, Enter") << 3 << int(Empty);
    }
    // Enter in the answer field, or the button, checks: the counters, the
    // problem, the banner and its countdown follow; the field is emptied and
    // keeps the focus.
    void check()
    {
        QFETCH(int, index);
        QFETCH(int, answer);
        QLineEdit *field = front(index)->answerField();
        QTRY_VERIFY(field->hasFocus());
        window().bannerTimer()->stop();
        const DrillSession &s = page(index)->session();
        const Problem before = s.problem();
        const QString right = QString::number(qint64(s.rules().expected(before)));
        QTest::keyClicks(field, answer == Right ? right : answer == Wrong ? u"-7"_qs : u""_qs);
        if (answer == Wrong)
            QTest::mouseClick(page(index)->checkButton(), Qt::LeftButton);
        else
            QTest::keyClick(field, Qt::Key_Return);

        QStringList texts; // the counters, the problem and the banner
        for (Role role : {Role::Given, Role::Right, Role::Wrong, Role::Percent, Role::FirstOperand,
                          Role::SecondOperand, Role::Banner})
            texts << shown(page(index), role);
        const QString problem =
            QStringLiteral("|%1|%2|").arg(s.problem().first).arg(s.problem().second);
        const QString expected[] = {"1|1|0|100 %" + problem + "Ügyes vagy!",
                                    "1|0|1| %" + problem + "Az eredmény HIBÁS!",
                                    "0|0|0|100 %" + problem};
        QCOMPARE(texts.join(u'|'), expected[answer]);
        QCOMPARE(window().bannerTimer()->isActive(), answer != Empty);
        QVERIFY(field->hasFocus());
        QVERIFY(field->text().isEmpty());
        if (answer != Right)
            QCOMPARE(s.problem(), before);
        // Completion shows the sign of the problem's kind only.
        for (const ControlRow &c : page(index)->table().controls) {
            if (c.shownFor)
                QCOMPARE(page(index)->findChild<QLabel *>(QString::fromLatin1(c.name))->isVisible(),
                         c.shownFor == s.problem().kind);
        }
    }

    // One tick hides the banners of all pages; each check counts down anew.
    void bannerTimer()
    {
        QTimer *timer = window().bannerTimer();
        for (int p = 0; p < 5; ++p)
            submit(p);
        QTRY_VERIFY_WITH_TIMEOUT(timer->remainingTime() < 2400, 2900);
        submit(2);
        QVERIFY(timer->remainingTime() > 2600);
        timer->start(20);
        QTRY_VERIFY(!timer->isActive()); // stopped by its tick
        for (int p = 0; p < 5; ++p)
            QVERIFY(shown(page(p), Role::Banner).isEmpty());
    }

    // From the tab row (named "|" here), where the window starts, round each
    // page to it again.
    void tabOrder()
    {
        QTabBar *tabs = window().tabStrip()->tabBar();
        tabs->setObjectName(QStringLiteral("|"));
        QStringList visited;
        for (int p = 0; p < 5; ++p) {
            QCOMPARE(QApplication::focusWidget(), tabs);
            window().tabStrip()->setCurrentIndex(p);
            do {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            } while (QApplication::focusWidget() != tabs && visited.size() < 30);
        }
        QCOMPARE(visited.join(u' '),
                 "Command1 txEredmeny ListView1 txMaxPlusz | "
                 "cmdKivonas txKEredmeny ListView2 txKivMax | txPEredmeny cmdPotlas txPotlasMax | "
                 "txSzEredmeny cmdSzNezzuk txMaxSz txMaxSzorzo | "
                 "txMaxOszto txMaxO cmdONezzuk txOEredmeny |");
    }

    void historyIsNotScrolledToNewRows()
    {
        auto *list = front(1)->findChild<QTableView *>();
        for (int i = 0; i < 60; ++i)
            submit(1);
        QCOMPARE(list->model()->rowCount(), 60);
        QTRY_VERIFY(list->verticalScrollBar()->maximum() > 0);
        QCOMPARE(list->verticalScrollBar()->value(), 0);
    }

    void leavingALimitField_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("slot");
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<QString>("left");
        QTest::newRow("addition, Tab") << 0 << 0 << Qt::TabFocusReason << "10";
        QTest::newRow("multiplier, a click") << 3 << 1 << Qt::MouseFocusReason << "2";
        // The window losing activation, or a menu opening, is no leaving.
        QTest::newRow("addition, window inactive") << 0 << 0 << Qt::ActiveWindowFocusReason << "1";
        QTest::newRow("divisor, menu") << 4 << 1 << Qt::PopupFocusReason << "1";
        QTest::newRow("subtraction, Alt alone") << 1 << 0 << Qt::MenuBarFocusReason << "1";
    }
    void leavingALimitField()
    {
        QFETCH(int, index);
        QFETCH(int, slot);
        QFETCH(Qt::FocusReason, reason);
        QFETCH(QString, left);
        QLineEdit *field = page(index)->limitField(slot);
        front(index, field);
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClick(field, Qt::Key_1);
        QCOMPARE(field->text(), QStringLiteral("1")); // typing alone applies nothing
        if (reason == Qt::MenuBarFocusReason) {       // the menu bar takes the keyboard
            QTest::keyClick(field, Qt::Key_Alt);
            QCOMPARE(QApplication::focusWidget(), window().menuBar());
        } else {
            page(index)->answerField()->setFocus(reason);
        }
        QCOMPARE(field->text(), left);
        QCOMPARE(page(index)->session().limitText(slot), left);
    }

    // Every caption in the pages' font, which has all their letters, within
    // its box; the numbers, which start at 0, up to 100.
    void captionsFitTheirBoxes()
    {
        for (int p = 0; p < 5; ++p) {
            for (const ControlRow &c : drillPages()[p].controls) {
                QWidget *box = front(p)->findChild<QWidget *>(QString::fromLatin1(c.name));
                QVERIFY2(box, c.name);
                if (qobject_cast<QLineEdit *>(box) || qobject_cast<QTableView *>(box))
                    continue; // typed, or the list's own font
                const QFontMetrics metrics(box->font());
                const int margins = qobject_cast<QPushButton *>(box)
                                        ? 2 * box->style()->pixelMetric(QStyle::PM_ButtonMargin)
                                        : 0;
                const QString text = c.text == u"0" ? u"100"_qs : c.text.toString();
                QVERIFY2(metrics.horizontalAdvance(text) + margins <= box->contentsRect().width(),
                         c.name);
                for (const QChar letter : text)
                    QVERIFY2(metrics.inFont(letter), c.name);
                // Labels set their text at the top: the ink ends above the bottom edge.
                QVERIFY2(metrics.ascent() + metrics.tightBoundingRect(text).bottom() <
                             box->height(),
                         c.name);
            }
        }
    }

    // By the outer size, odd gaps up and left, off a small screen, on a second one.
    void centredPosition()
    {
        QCOMPARE(kalkora::centredPosition({0, 0, 1024, 768}, {669, 411}), QPoint(177, 178));
        QCOMPARE(kalkora::centredPosition({0, 0, 640, 400}, {669, 410}), QPoint(-15, -5));
        QCOMPARE(kalkora::centredPosition({1920, 0, 1280, 1024}, {680, 424}), QPoint(2220, 300));
    }

    // The stored limits read first, as stored (no minimum; the field the file
    // is too short for as it was), then the problems in tab order, each of the
    // first four pages after a seeding; division goes on unseeded. The stored
    // addition limit of 6 turns down 3 + 4. Then the window, centred.
    void startUp()
    {
        const QList<float> script = {drawFor(3, 99, 1), drawFor(4, 99, 1),  drawFor(1, 99, 1),
                                     drawFor(2, 99, 1), drawFor(9, 9, 1),   drawFor(2, 9, 1),
                                     drawFor(5, 99, 2), drawFor(12, 99, 2), drawFor(6, 99, 2),
                                     drawFor(2, 99, 2), drawFor(3, 10, 2),  drawFor(4, 10, 2)};
        Run run(QByteArray::fromHex("0600 0900 1100 0C00 0300 0D00 04"), script);
        Trainer &trainer = run.start();
        QCOMPARE(run.log.join(u", "), "read, seed at 0, seed at 4, seed at 6, seed at 8");
        QStringList seen;
        for (int p = 0; p < 5; ++p) {
            const DrillSession &s = trainer.drills().session(p);
            const Problem &posed = s.problem();
            seen << QStringLiteral("%1 %2 %3 |")
                        .arg(posed.first)
                        .arg(posed.second)
                        .arg(int(posed.kind));
            for (int limit = 0; limit < s.limitCount(); ++limit)
                seen << s.limitText(limit);
        }
        QCOMPARE(seen.join(u' '), "1 2 0 | 6 9 2 0 | 9 5 12 1 | 17 6 2 0 | 12 3 12 3 0 | 13 5");
        const QRect frame = trainer.window().frameGeometry();
        QCOMPARE(frame.topLeft(),
                 kalkora::centredPosition(trainer.window().screen()->geometry(), frame.size()));
        QCOMPARE(trainer.window().focusWidget(),
                 trainer.window().tabStrip()->tabBar()); // untouched
        QVERIFY(run.reports.isEmpty());
    }

    void endings_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("report"); // of the save, when set.dat is a folder
        const QString failed = QStringLiteral(": A beállításokat nem sikerült elmenteni");
        QTest::newRow("frame close: not asked") << int(FrameClose) << "";
        QTest::newRow("the session's end saves, then the frame close") << int(SessionEnd) << "";
        QTest::newRow("Alt+B, Enter: Yes") << int(Yes) << "";
        QTest::newRow("the window closes while asking") << int(CloseWindow) << "";
        QTest::newRow("Alt+B, No") << int(No) << "";
        QTest::newRow("Alt+B, Esc does nothing") << int(Escape) << "";
        QTest::newRow("Alt+B, the box's close does nothing") << int(CloseBox) << "";
        QTest::newRow("frame close, failing") << int(FrameClose) << "stderr" + failed;
        QTest::newRow("Yes, failing") << int(Yes) << "box" + failed;
    }
    // The program ends, and saves once, after the frame's close or Yes; the
    // question cannot be got rid of but by an answer.
    void endings()
    {
        QFETCH(int, ending);
        QFETCH(QString, report);
        // A folder named set.dat: reading it, as start-up does, is told in a box.
        const bool folder = !report.isEmpty();
        if (folder) {
            m_run.emplace(QByteArray());
            m_run->start().window().show();
            QVERIFY(QTest::qWaitForWindowActive(&window()));
        }
        if (ending == SessionEnd) { // twice: the second finds the file up to date
            m_run->trainer->ending().save(FileFaultReporter::Channel::StandardError);
            m_run->trainer->ending().save(FileFaultReporter::Channel::StandardError);
        }
        // Typed below the field's minimum and not left: the box taking the
        // focus is no leaving of the field, so it is saved as typed.
        QLineEdit *field = limitFields()[0];
        front(0, field);
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClick(field, Qt::Key_3);

        bool waiting = false;
        QTimer answering;
        connect(&answering, &QTimer::timeout, this, [&] {
            QMessageBox *box = m_run->question.openBox();
            if (!box || !box->isVisible())
                return;
            answering.stop();
            if (ending == Yes || ending == Escape)
                QTest::keyClick(box, ending == Yes ? Qt::Key_Return : Qt::Key_Escape);
            if (ending == CloseBox)
                box->close();
            if (ending == CloseWindow)
                window().close();
            // Still waiting, it is answered No: the No row's answer, the test's own in the others.
            if ((waiting = box->isVisible()))
                box->button(QMessageBox::No)->click();
        });
        answering.start(10);
        if (ending < Yes)
            window().close();
        else
            QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);

        const bool ended = ending <= CloseWindow;
        QCOMPARE(m_run->question.timesAsked(), ending < Yes ? 0 : 1);
        QCOMPARE(waiting, ending >= No);
        QCOMPARE(window().isVisible(), !ended);
        QCOMPARE(m_run->saves, ended && !folder ? 1 + (ending == SessionEnd) : 0);
        const QByteArray typed = QByteArray::fromHex("0300 0C00 0D00 0E00 0300 1500 0400") + kTail;
        if (!folder)
            QCOMPARE(m_run->content(), (ended ? typed : kOld).toHex(' '));
        QCOMPARE(field->text(), QStringLiteral("3"));
        QCOMPARE(m_run->reports.size(), folder ? 2 : 0);
        if (folder)
            QVERIFY2(m_run->reports[0].startsWith(u"box: A beállításokat nem sikerült betölteni") &&
                         m_run->reports[1].startsWith(report) &&
                         m_run->reports.join(u' ').count(m_run->path) == 2,
                     qPrintable(m_run->reports.join(u'\n')));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
