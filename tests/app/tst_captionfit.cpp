#include "drillpage.h"
#include "fakerandom.h"
#include "mainwindow.h"
#include "pagetable.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTest>

using namespace kalkora;
using namespace kalkora::test;

// What the real-window suite cannot measure: every caption inside its box in
// the pages' font at 96 dpi, the font's Hungarian letters, and the icon's
// images. Window sizes at 1x and 2x and the banners' exact colours are
// checked on screenshots of the running program (tests/acceptance).
class TestCaptionFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pageFontHasEveryHungarianLetter();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void icon_data();
    void icon();

private:
    ScriptedRandom *m_random = nullptr;
    MainWindow *m_window = nullptr;
};

void TestCaptionFit::initTestCase()
{
    m_random = new ScriptedRandom;
    m_window = new MainWindow(*m_random);
    m_window->poseFirstProblems();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestCaptionFit::cleanupTestCase()
{
    delete m_window;
    delete m_random;
}

void TestCaptionFit::pageFontHasEveryHungarianLetter()
{
    if (QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        QSKIP("the first-choice font is installed; the fallback is not in use");
    const QFont font = m_window->page(0)->answerField()->font();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    const QFontMetrics metrics(font);
    for (const QChar letter : QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ"))
        QVERIFY2(metrics.inFont(letter), qPrintable(QString(letter)));
}

void TestCaptionFit::textsFitTheirBoxes_data()
{
    QTest::addColumn<QWidget *>("widget");
    QTest::addColumn<QStringList>("texts");
    for (int page = 0; page < m_window->pageCount(); ++page) {
        DrillPage *drill = m_window->page(page);
        const QByteArray tab = drill->table().tabCaption.toUtf8();
        for (const ControlRow &control : drill->table().controls) {
            auto *widget = drill->findChild<QWidget *>(QString::fromLatin1(control.name));
            QStringList texts;
            switch (control.role) {
            case Role::Banner:
                texts = QStringList{QStringLiteral("Ügyes vagy!"),
                                    QStringLiteral("Az eredmény HIBÁS!")};
                break;
            case Role::Percent:
                texts = QStringList{QStringLiteral("100 %"), QStringLiteral("67 %")};
                break;
            case Role::Given:
            case Role::Right:
            case Role::Wrong:
                texts = QStringList{QStringLiteral("0"), QStringLiteral("100")};
                break;
            case Role::CheckButton:
                texts = QStringList{static_cast<QAbstractButton *>(widget)->text()};
                break;
            case Role::Answer:
            case Role::Limit:
            case Role::History:
                continue; // what the user types, or the list's own font
            default:
                texts = QStringList{static_cast<QLabel *>(widget)->text()};
                break;
            }
            QTest::addRow("%s %s", tab.constData(), control.name) << widget << texts;
        }
    }
}

void TestCaptionFit::textsFitTheirBoxes()
{
    QFETCH(QWidget *, widget);
    QFETCH(QStringList, texts);

    if (!QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
    const QFontMetrics metrics(widget->font());
    int room = widget->contentsRect().width();
    if (qobject_cast<QAbstractButton *>(widget))
        room -= 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
    for (const QString &text : std::as_const(texts)) {
        const int width = metrics.horizontalAdvance(text);
        QVERIFY2(width <= room, qPrintable(QStringLiteral("\"%1\" is %2 px wide, the box %3 px")
                                               .arg(text)
                                               .arg(width)
                                               .arg(room)));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            // Labels set their text at the top: the glyphs must end above
            // the bottom edge.
            QVERIFY(label->alignment() & Qt::AlignTop);
            const QRect ink = metrics.tightBoundingRect(text);
            QVERIFY2(metrics.ascent() + ink.bottom() < label->height(),
                     qPrintable(QStringLiteral("\"%1\" reaches %2 px down a box of %3 px")
                                    .arg(text)
                                    .arg(metrics.ascent() + ink.bottom())
                                    .arg(label->height())));
        }
    }
}

void TestCaptionFit::icon_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("16 px") << 16;
    QTest::newRow("32 px") << 32;
}

void TestCaptionFit::icon()
{
    QFETCH(int, size);
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(size, size)));
    const QImage image(QStringLiteral(":/icons/kalkora-%1.png").arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY2(image.colorCount() <= 16, qPrintable(QString::number(image.colorCount())));
}

QTEST_MAIN(TestCaptionFit)
#include "tst_captionfit.moc"
