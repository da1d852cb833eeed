#include "drillpage.h"
#include "exitquestion.h"
#include "fakerandom.h"
#include "limitkeeper.h"
#include "mainwindow.h"
#include "recordingreporter.h"
#include "settingsfile.h"
#include "startup.h"
#include "tabstrip.h"

#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace kalkora;
using namespace kalkora::test;

namespace {

// The program's generator, with a look at the window at each seeding.
class WatchedRandom final : public RandomSource
{
public:
    float next() override { return m_generator.next(); }
    void seedFromClock() override
    {
        onSeeding();
        m_generator.seedFromClock();
    }
    FakeClock clock;
    std::function<void()> onSeeding;

private:
    Generator m_generator{clock};
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void centredPosition_data();
    void centredPosition();
    void startUp();
};

void TestStartup::centredPosition_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("odd gaps: up and left")
        << QRect(0, 0, 1024, 768) << QSize(669, 411) << QPoint(177, 178);
    QTest::newRow("small screen") << QRect(0, 0, 640, 400) << QSize(669, 410) << QPoint(-15, -5);
    QTest::newRow("second screen")
        << QRect(1920, 0, 1280, 1024) << QSize(680, 424) << QPoint(2220, 300);
}

void TestStartup::centredPosition()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);
    QCOMPARE(kalkora::centredPosition(screen, frame), expected);
}

void TestStartup::startUp()
{
    // Six fields stored, and no room for the seventh.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.dat"));
    if (QFile file(path); file.open(QIODevice::WriteOnly))
        file.write(QByteArray::fromHex("0700 0600 0500 0C00 0300 0D00 04"));
    WatchedRandom random;
    MainWindow window(random);
    const SettingsFile settings(path);
    RecordingReporter reporter;
    ExitQuestion question;
    LimitKeeper keeper(window, settings, reporter, question);
    const auto posed = [&] {
        int pages = 0;
        for (int p = 0; p < window.pageCount(); ++p)
            pages += window.page(p)->session().problem() != Problem{};
        return pages;
    };
    QList<int> posedAtSeedings;
    QStringList limitsAtFirstSeeding;
    random.onSeeding = [&] {
        if (posedAtSeedings.isEmpty()) {
            for (const QLineEdit *field : keeper.fields())
                limitsAtFirstSeeding << field->text();
        }
        posedAtSeedings << posed();
    };
    kalkora::startUp(window, keeper);

    // The settings read first: each stored field in its place and as stored,
    // no minimum applied, the missing one as it was. Then the problems in tab
    // order, each of the first four pages after a seeding from the clock;
    // division goes on unseeded.
    QCOMPARE(limitsAtFirstSeeding.join(u' '), QStringLiteral("7 6 5 12 3 13 5"));
    QCOMPARE(posedAtSeedings, QList<int>({0, 1, 2, 3}));
    QCOMPARE(random.clock.reads, 4);
    QCOMPARE(posed(), window.pageCount());
    const QRect frame = window.frameGeometry();
    QCOMPARE(frame.topLeft(), kalkora::centredPosition(window.screen()->geometry(), frame.size()));
    QCOMPARE(window.focusWidget(), window.tabStrip()->tabBar());
    QCOMPARE(window.tabStrip()->tabBar()->currentIndex(), 0);
    QCOMPARE(reporter.reports.size(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
