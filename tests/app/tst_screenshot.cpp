#include "drillpage.h"
#include "fakerandom.h"
#include "mainwindow.h"
#include "pagespec.h"
#include "tabstrip.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace kalkora;
using namespace kalkora::test;

// The window as it is drawn, at the scale QT_SCALE_FACTOR asks for (CTest runs
// this at 1 and at 2): its size in device pixels, the banners' exact colours,
// every caption inside its box in the pages' font, and the icon.
class TestScreenshot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void windowSizeInDevicePixels();
    void bannerColours_data();
    void bannerColours();
    void pageFontHasEveryHungarianLetter();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void icon_data();
    void icon();

private:
    QImage shotOf(QWidget *widget) const;

    qreal m_factor = 1;
    ScriptedRandom *m_random = nullptr;
    MainWindow *m_window = nullptr;
};

void TestScreenshot::initTestCase()
{
    m_factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    m_random = new ScriptedRandom;
    m_window = new MainWindow(*m_random);
    m_window->poseFirstProblems();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestScreenshot::cleanupTestCase()
{
    delete m_window;
    delete m_random;
}

// The part of a window grab that shows a widget, in device pixels.
QImage TestScreenshot::shotOf(QWidget *widget) const
{
    const QImage window = m_window->grab().toImage();
    const QRect logical(widget->mapTo(m_window, QPoint(0, 0)), widget->size());
    const QRect device((QPointF(logical.topLeft()) * m_factor).toPoint(),
                       (QSizeF(logical.size()) * m_factor).toSize());
    return window.copy(device);
}

void TestScreenshot::windowSizeInDevicePixels()
{
    QCOMPARE(m_window->windowHandle()->devicePixelRatio(), m_factor);
    // The client area is 10005 x 5550 twips, 667 x 370 pixels at 96 dpi.
    QCOMPARE(m_window->centralWidget()->size(), QSize(667, 370));
    QCOMPARE(m_window->size(), QSize(667, 370 + m_window->menuBar()->height()));
    const QPixmap shot = m_window->grab();
    QCOMPARE(shot.devicePixelRatio(), m_factor);
    QCOMPARE(shot.size(), QSize(qRound(667 * m_factor),
                                qRound((370 + m_window->menuBar()->height()) * m_factor)));
    // The layout is fixed, and so is the frame.
    QCOMPARE(m_window->minimumSize(), m_window->size());
    QCOMPARE(m_window->maximumSize(), m_window->size());
}

void TestScreenshot::bannerColours_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QColor>("colour");
    for (int page = 0; page < 5; ++page) {
        const QByteArray tab = drillPages()[page].tabCaption.toUtf8();
        QTest::addRow("%s wrong", tab.constData()) << page << false << QColor(0xFF, 0x00, 0x00);
        QTest::addRow("%s right", tab.constData()) << page << true << QColor(0x00, 0xFF, 0x00);
    }
}

void TestScreenshot::bannerColours()
{
    QFETCH(int, page);
    QFETCH(bool, right);
    QFETCH(QColor, colour);

    m_window->tabStrip()->setCurrentIndex(page);
    DrillPage *drill = m_window->page(page);
    const DrillSession &session = drill->session();
    const auto expected = qint64(session.rules().expected(session.problem()));
    drill->answerField()->setText(QString::number(right ? expected : expected + 1));
    drill->check();

    QLabel *banner = nullptr;
    for (const ControlSpec &control : drill->spec().controls) {
        if (control.role == Role::Banner)
            banner = drill->findChild<QLabel *>(QString::fromLatin1(control.name));
    }
    QVERIFY(banner);
    QVERIFY(banner->isVisible());

    // Inside its edges the banner is its colour exactly, apart from the text.
    const QImage shot = shotOf(banner);
    int exact = 0;
    int dark = 0;
    for (int y = 1; y < shot.height() - 1; ++y) {
        for (int x = 1; x < shot.width() - 1; ++x) {
            const QColor pixel = shot.pixelColor(x, y);
            exact += pixel.rgb() == colour.rgb();
            dark += pixel.red() + pixel.green() + pixel.blue() < 200;
        }
    }
    const int inside = (shot.width() - 2) * (shot.height() - 2);
    QVERIFY2(
        exact >= inside * 6 / 10,
        qPrintable(
            QStringLiteral("%1 of %2 pixels are %3").arg(exact).arg(inside).arg(colour.name())));
    QVERIFY2(dark > 0, "no text on the banner");
    m_window->bannerTimer()->stop();
    for (int i = 0; i < m_window->pageCount(); ++i)
        m_window->page(i)->hideBanner();
}

void TestScreenshot::pageFontHasEveryHungarianLetter()
{
    if (QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif")))
        QSKIP("the first-choice font is installed; the fallback is not in use");
    const QFont font = m_window->page(0)->answerField()->font();
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    const QFontMetrics metrics(font);
    for (const QChar letter : QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ"))
        QVERIFY2(metrics.inFont(letter), qPrintable(QString(letter)));
}

void TestScreenshot::textsFitTheirBoxes_data()
{
    QTest::addColumn<QWidget *>("widget");
    QTest::addColumn<QStringList>("texts");
    for (int page = 0; page < m_window->pageCount(); ++page) {
        DrillPage *drill = m_window->page(page);
        const QByteArray tab = drill->spec().tabCaption.toUtf8();
        for (const ControlSpec &control : drill->spec().controls) {
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

void TestScreenshot::textsFitTheirBoxes()
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

void TestScreenshot::icon_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("16 px") << 16;
    QTest::newRow("32 px") << 32;
}

void TestScreenshot::icon()
{
    QFETCH(int, size);
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(size, size)));
    const QImage image(QStringLiteral(":/icons/kalkora-%1.png").arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY2(image.colorCount() <= 16, qPrintable(QString::number(image.colorCount())));
}

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
