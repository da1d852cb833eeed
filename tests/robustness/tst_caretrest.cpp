// The caret stops blinking when nobody types or clicks for the rest time, and
// starts again with the next key or mouse press. What is watched is the line
// edit's own blinking: the timer events its text control (a child that is no
// widget) gets for every change of the caret.

#include "app/caretrest.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

using namespace kalkora;

// Long enough that a slow machine (or a sanitizer build) keeps to the
// quarters of it that the test waits.
constexpr int kRest = 2000;
constexpr int kFlash = 40; // a blink every 20 ms

class TestCaretRest : public QObject
{
    Q_OBJECT
    int m_timerEvents = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        m_timerEvents += event->type() == QEvent::Timer;
        return false;
    }
    bool blinksFor(int milliseconds)
    {
        m_timerEvents = 0;
        QTest::qWait(milliseconds);
        return m_timerEvents > 0;
    }

private Q_SLOTS:
    void blinking()
    {
        QGuiApplication::styleHints()->setCursorFlashTime(kFlash);
        QLineEdit field;
        field.show();
        field.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        QTRY_VERIFY(field.hasFocus());
        for (QObject *child : field.children()) {
            if (!child->isWidgetType())
                child->installEventFilter(this);
        }
        const CaretRest rest(kRest);
        QVERIFY2(blinksFor(kRest / 2), "the caret did not blink before its rest");
        // Typing puts the rest off.
        QTest::keyClick(&field, Qt::Key_1);
        QVERIFY(blinksFor(kRest * 3 / 4));
        QVERIFY(!rest.resting());
        // At rest, a key press or a mouse press wakes it.
        for (const bool click : {false, true}) {
            QTRY_VERIFY_WITH_TIMEOUT(rest.resting(), kRest * 10);
            QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
            QVERIFY(!blinksFor(kRest / 4));
            click ? QTest::mouseClick(&field, Qt::LeftButton) : QTest::keyClick(&field, Qt::Key_1);
            QVERIFY(!rest.resting());
            QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), kFlash);
            QVERIFY(blinksFor(kRest / 4));
        }
    }
};

QTEST_MAIN(TestCaretRest)
#include "tst_caretrest.moc"
