#include "exitquestion.h"
#include "startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace kalkora;

namespace {

enum class Outcome { Yes, No, StillOpen };

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestExitQuestion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theBox();
    void hungarianButtons();
    void answers_data();
    void answers();

private:
    // Asks, does `act` to the box once it waits, and tells how it ended: a box
    // still open after that is answered No by the test itself.
    Outcome askAndAct(ExitQuestion &question, const std::function<void(QMessageBox *)> &act);
};

Outcome TestExitQuestion::askAndAct(ExitQuestion &question,
                                    const std::function<void(QMessageBox *)> &act)
{
    // Timers of this scope only: none may fire once the question is over.
    QTimer acting;
    QTimer checking;
    acting.setSingleShot(true);
    checking.setSingleShot(true);
    bool stillOpen = false;
    connect(&acting, &QTimer::timeout, this, [&] {
        if (QMessageBox *box = question.openBox()) {
            act(box);
            checking.start(0);
        }
    });
    connect(&checking, &QTimer::timeout, this, [&] {
        if (QMessageBox *open = question.openBox(); open && open->isVisible()) {
            stillOpen = true;
            open->button(QMessageBox::No)->click();
        }
    });
    acting.start(0);
    const bool yes = question.ask(nullptr);
    if (stillOpen)
        return Outcome::StillOpen;
    return yes ? Outcome::Yes : Outcome::No;
}

void TestExitQuestion::theBox()
{
    const std::unique_ptr<QMessageBox> box = ExitQuestion::createBox(nullptr);
    QCOMPARE(box->text(), QStringLiteral("Biztos hogy Befejezed?\r\n\r\n"));
    QCOMPARE(box->windowTitle(), QStringLiteral(" Kilépés "));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::Yes));
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
}

void TestExitQuestion::hungarianButtons()
{
    QVERIFY(installDialogTranslations(*qApp));
    const std::unique_ptr<QMessageBox> box = ExitQuestion::createBox(nullptr);
    QCOMPARE(box->button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Igen"));
    QCOMPARE(box->button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nem"));
}

void TestExitQuestion::answers_data()
{
    QTest::addColumn<std::function<void(QMessageBox *)>>("act");
    QTest::addColumn<Outcome>("expected");

    using Act = std::function<void(QMessageBox *)>;
    QTest::newRow("Enter presses Yes")
        << Act([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }) << Outcome::Yes;
    QTest::newRow("No button") << Act([](QMessageBox *box) {
        box->button(QMessageBox::No)->click();
    }) << Outcome::No;
    QTest::newRow("Esc does nothing")
        << Act([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); })
        << Outcome::StillOpen;
    QTest::newRow("close button does nothing")
        << Act([](QMessageBox *box) { box->close(); }) << Outcome::StillOpen;
    QTest::newRow("window system's close request does nothing")
        << Act([](QMessageBox *box) { box->windowHandle()->close(); }) << Outcome::StillOpen;
}

void TestExitQuestion::answers()
{
    QFETCH(std::function<void(QMessageBox *)>, act);
    QFETCH(Outcome, expected);
    ExitQuestion question;
    QCOMPARE(askAndAct(question, act), expected);
    QCOMPARE(question.timesAsked(), 1);
    QCOMPARE(question.openBox(), nullptr);
}

QTEST_MAIN(TestExitQuestion)
#include "tst_exitquestion.moc"
