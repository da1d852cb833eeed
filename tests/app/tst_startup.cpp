#include "drillpage.h"
#include "exitquestion.h"
#include "limitkeeper.h"
#include "mainwindow.h"
#include "random.h"
#include "recordingreporter.h"
#include "settingsfile.h"
#include "startup.h"
#include "tabstrip.h"

#include <QDir>
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

// Counts its readings and lets the test look around at each one.
class WatchedClock final : public Clock
{
public:
    quint64 reading() const override
    {
        ++reads;
        if (onReading)
            onReading();
        return quint64(reads) * 7919u;
    }
    mutable int reads = 0;
    std::function<void()> onReading;
};

// The program's generator, with a look at the window before each number.
class WatchedRandom final : public RandomSource
{
public:
    explicit WatchedRandom(const Clock &clock) : m_generator(clock) {}
    float next() override
    {
        if (onNext)
            onNext();
        return m_generator.next();
    }
    void seedFromClock() override { m_generator.seedFromClock(); }
    std::function<void()> onNext;

private:
    Generator m_generator;
};

// Notes where the window stood when the settings file was opened.
class WatchedDevices final : public SettingsDevices
{
public:
    std::unique_ptr<QFile> file(const QString &path) const override
    {
        if (onOpen)
            onOpen();
        return SettingsDevices::file(path);
    }
    std::function<void()> onOpen;
};

int posedPages(const MainWindow &window)
{
    int posed = 0;
    for (int p = 0; p < window.pageCount(); ++p)
        posed += window.page(p)->session().problem() != Problem{};
    return posed;
}

QStringList limitTexts(const LimitKeeper &keeper)
{
    QStringList texts;
    for (const QLineEdit *field : keeper.fields())
        texts << field->text();
    return texts;
}

bool isCentred(const QWidget &window)
{
    const QRect screen = window.screen()->geometry();
    const QRect frame = window.frameGeometry();
    return std::abs(2 * (frame.left() - screen.left()) + frame.width() - screen.width()) <= 1 &&
           std::abs(2 * (frame.top() - screen.top()) + frame.height() - screen.height()) <= 1;
}

const QStringList kInitialTexts = {QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("50"),
                                   QStringLiteral("50"), QStringLiteral("5"),  QStringLiteral("50"),
                                   QStringLiteral("5")};

} // namespace

Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestStartup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void centredPosition_data();
    void centredPosition();
    void order();
    void storedLimits_data();
    void storedLimits();
    void unreadableFileIsReportedAndStartUpGoesOn();
    void startUpLeavesFocusAndTabAlone();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    WatchedClock m_clock;
    std::unique_ptr<WatchedRandom> m_random;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SettingsFile> m_file;
    RecordingReporter m_reporter;
    ExitQuestion m_question;
    std::unique_ptr<LimitKeeper> m_keeper;
    WatchedDevices m_devices;
};

void TestStartup::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("set.dat"));
    m_clock.reads = 0;
    m_clock.onReading = nullptr;
    m_devices.onOpen = nullptr;
    m_reporter.reports.clear();
    m_random = std::make_unique<WatchedRandom>(m_clock);
    m_window = std::make_unique<MainWindow>(*m_random);
    m_file = std::make_unique<SettingsFile>(m_path, m_devices);
    m_keeper = std::make_unique<LimitKeeper>(*m_window, *m_file, m_reporter, m_question);
}

void TestStartup::cleanup()
{
    m_keeper.reset();
    m_window.reset();
    m_random.reset();
}

void TestStartup::centredPosition_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("even gaps") << QRect(0, 0, 1024, 768) << QSize(668, 410) << QPoint(178, 179);
    QTest::newRow("odd gaps lean to the top left")
        << QRect(0, 0, 1024, 768) << QSize(669, 411) << QPoint(177, 178);
    QTest::newRow("screen smaller than the window")
        << QRect(0, 0, 640, 400) << QSize(669, 410) << QPoint(-15, -5);
    QTest::newRow("second screen to the right")
        << QRect(1920, 0, 1280, 1024) << QSize(680, 424) << QPoint(2220, 300);
}

void TestStartup::centredPosition()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, frame);
    QFETCH(QPoint, expected);
    QCOMPARE(kalkora::centredPosition(screen, frame), expected);
}

void TestStartup::order()
{
    // A stored addition limit of 7 shows when the settings have been read.
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromHex("0700 3200 3200 3200 0500 3200 0500"));
    file.close();

    bool centredBeforeReading = false;
    m_devices.onOpen = [&] { centredBeforeReading = isCentred(*m_window); };
    QStringList fieldsAtFirstReading;
    m_clock.onReading = [&] {
        if (m_clock.reads == 1)
            fieldsAtFirstReading = limitTexts(*m_keeper);
    };
    // Before each number drawn: how often the clock had been read, against how
    // many pages already had their problem.
    QList<std::pair<int, int>> readingsByPosed;
    m_random->onNext = [&] {
        const std::pair<int, int> now{posedPages(*m_window), m_clock.reads};
        if (readingsByPosed.isEmpty() || readingsByPosed.last() != now)
            readingsByPosed << now;
    };

    startUp(*m_window, *m_keeper);

    QVERIFY(centredBeforeReading);
    QCOMPARE(fieldsAtFirstReading.value(0), QStringLiteral("7"));
    // Addition after one seeding, subtraction after two, completion after
    // three, multiplication after four, and division with no fifth.
    const QList<std::pair<int, int>> expected = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 4}};
    QCOMPARE(readingsByPosed, expected);
    QCOMPARE(m_clock.reads, 4);
    QCOMPARE(posedPages(*m_window), 5);
}

void TestStartup::storedLimits_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content"); // nullopt: no file
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("no file: initial texts") << std::optional<QByteArray>() << kInitialTexts;
    QTest::newRow("below the minimum but usable: 7 and 5")
        << std::optional(QByteArray::fromHex("0700 0500 0500 0500 0200 0500 0300"))
        << QStringList{QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("5"),
                       QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("5"),
                       QStringLiteral("3")};
    QTest::newRow("unusable values get the minimum")
        << std::optional(QByteArray::fromHex("0100 0000 0300 FDFF 0080 0000 0100"))
        << QStringList{QStringLiteral("10"), QStringLiteral("10"),     QStringLiteral("10"),
                       QStringLiteral("10"), QStringLiteral("-32768"), QStringLiteral("20"),
                       QStringLiteral("2")};
    QTest::newRow("3 bytes: only the first field")
        << std::optional(QByteArray::fromHex("0C00 09"))
        << QStringList{QStringLiteral("12"), QStringLiteral("50"), QStringLiteral("50"),
                       QStringLiteral("50"), QStringLiteral("5"),  QStringLiteral("50"),
                       QStringLiteral("5")};
}

void TestStartup::storedLimits()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(QStringList, expected);
    if (content) {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(*content), content->size());
    }

    startUp(*m_window, *m_keeper);

    QCOMPARE(limitTexts(*m_keeper), expected);
    QVERIFY(m_reporter.reports.isEmpty());
    // Start-up writes nothing; a missing file is there from now on, empty.
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content.value_or(QByteArray()));
}

void TestStartup::unreadableFileIsReportedAndStartUpGoesOn()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("set.dat")));

    startUp(*m_window, *m_keeper);

    QCOMPARE(m_reporter.reports.size(), 1);
    const RecordingReporter::Report &report = m_reporter.reports.first();
    QCOMPARE(report.channel, ProblemReporter::Channel::Box);
    QVERIFY(report.plain.contains(QStringLiteral("set.dat")));
    QVERIFY(report.plain.contains(QStringLiteral("alapbeállításokkal")));
    QVERIFY(report.detail.contains(m_path));
    QCOMPARE(limitTexts(*m_keeper), kInitialTexts);
    QCOMPARE(posedPages(*m_window), 5);
}

void TestStartup::startUpLeavesFocusAndTabAlone()
{
    QWidget *const focusBefore = m_window->focusWidget();
    m_window->tabStrip()->tabBar()->setCurrentIndex(0);

    startUp(*m_window, *m_keeper);

    QCOMPARE(m_window->focusWidget(), focusBefore);
    QCOMPARE(m_window->tabStrip()->tabBar()->currentIndex(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
