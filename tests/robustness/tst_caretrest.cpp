// The caret stops blinking when nobody types or clicks for the rest time, and
// starts again with the next key or mouse press. What is checked is the line
// edit's own blink timer: the timer events its text control receives.

#include "caretrest.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include <memory>

using namespace kalkora;

namespace {

// Long enough that a slow machine (or a sanitizer build) does not reach the
// rest between two of the test's own key presses.
constexpr int kRest = 600;
constexpr int kFlash = 40; // a blink every 20 ms

// Counts timer events: a focused line edit's text control (a child object that
// is no widget) gets one for every change of the caret.
class TimerCounter final : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            ++count;
        return false;
    }
};

enum class Touch { Nothing, Key, Click, KeyEveryHalfRest };

} // namespace

Q_DECLARE_METATYPE(Touch)

class TestCaretRest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void blinking_data();
    void blinking();

private:
    std::unique_ptr<QLineEdit> m_field;
};

void TestCaretRest::init()
{
    QGuiApplication::styleHints()->setCursorFlashTime(kFlash);
    m_field = std::make_unique<QLineEdit>();
    m_field->show();
    QApplication::setActiveWindow(m_field.get());
    m_field->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_field.get()));
    QTRY_VERIFY(m_field->hasFocus());
}

void TestCaretRest::cleanup()
{
    m_field.reset();
}

void TestCaretRest::blinking_data()
{
    QTest::addColumn<Touch>("touch");
    QTest::addColumn<bool>("blinkingAfter");
    QTest::newRow("left alone") << Touch::Nothing << false;
    QTest::newRow("key press after the rest") << Touch::Key << true;
    QTest::newRow("mouse press after the rest") << Touch::Click << true;
    QTest::newRow("typing all along") << Touch::KeyEveryHalfRest << true;
}

void TestCaretRest::blinking()
{
    QFETCH(Touch, touch);
    QFETCH(bool, blinkingAfter);

    TimerCounter timers;
    for (QObject *child : m_field->children()) {
        if (!child->isWidgetType())
            child->installEventFilter(&timers);
    }
    const CaretRest rest(kRest);
    QVERIFY(!rest.resting());
    QTest::qWait(kRest / 4);
    QVERIFY2(timers.count > 0, "the caret did not blink before its rest");

    if (touch == Touch::KeyEveryHalfRest) {
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(m_field.get(), Qt::Key_1);
            QTest::qWait(kRest / 3);
            QVERIFY(!rest.resting());
        }
        QTest::keyClick(m_field.get(), Qt::Key_1);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(rest.resting(), kRest * 10);
        QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), 0);
        if (touch == Touch::Key)
            QTest::keyClick(m_field.get(), Qt::Key_1);
        else if (touch == Touch::Click)
            QTest::mouseClick(m_field.get(), Qt::LeftButton);
    }

    // Right after the last touch, well within the rest time.
    timers.count = 0;
    QTest::qWait(kRest / 4);
    QCOMPARE(rest.resting(), !blinkingAfter);
    QCOMPARE(timers.count > 0, blinkingAfter);
    QCOMPARE(QGuiApplication::styleHints()->cursorFlashTime(), blinkingAfter ? kFlash : 0);
}

QTEST_MAIN(TestCaretRest)
#include "tst_caretrest.moc"
