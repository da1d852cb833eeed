#include "drillpage.h"
#include "exitquestion.h"
#include "fakerandom.h"
#include "limitkeeper.h"
#include "mainwindow.h"
#include "recordingreporter.h"
#include "settingsfile.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace kalkora;
using namespace kalkora::test;

namespace {

// Counts the saves that reach the disk.
class CountingDevices final : public SettingsDevices
{
public:
    std::unique_ptr<QSaveFile> replacement(const QString &path) const override
    {
        ++saves;
        return SettingsDevices::replacement(path);
    }
    mutable int saves = 0;
};

const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0B00 0C00 0D00 0E00 0300 1500 0400") + kTail;

enum class Ending { EndYes, EndNo, FrameClose, WindowSystemClose, AltBEnter };
enum class Path { EndYes, FrameClose, SessionSave };

} // namespace

Q_DECLARE_METATYPE(Ending)
Q_DECLARE_METATYPE(Path)

class TestLimitKeeper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void endings_data();
    void endings();
    void savedOnce_data();
    void savedOnce();
    void failuresAreReported_data();
    void failuresAreReported();
    void typedLimitSurvivesTheQuestion_data();
    void typedLimitSurvivesTheQuestion();
    void sessionEndsWhileAsking();

private:
    QByteArray fileContent() const;
    // Answers the question's box with `act` once it waits.
    void whenAsked(const std::function<void(QMessageBox *)> &act);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<ScriptedRandom> m_random;
    std::unique_ptr<MainWindow> m_window;
    CountingDevices m_devices;
    std::unique_ptr<SettingsFile> m_file;
    RecordingReporter m_reporter;
    std::unique_ptr<ExitQuestion> m_question;
    std::unique_ptr<LimitKeeper> m_keeper;
    std::unique_ptr<QTimer> m_answering;
};

void TestLimitKeeper::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("set.dat"));
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kOld);
    file.close();

    m_devices.saves = 0;
    m_reporter.reports.clear();
    m_random = std::make_unique<ScriptedRandom>();
    m_window = std::make_unique<MainWindow>(*m_random);
    m_file = std::make_unique<SettingsFile>(m_path, m_devices);
    m_question = std::make_unique<ExitQuestion>();
    m_keeper = std::make_unique<LimitKeeper>(*m_window, *m_file, m_reporter, *m_question);
    m_window->poseFirstProblems();
    m_answering = std::make_unique<QTimer>();
    m_answering->setInterval(10);
}

void TestLimitKeeper::cleanup()
{
    m_answering.reset();
    m_keeper.reset();
    m_window.reset();
    m_question.reset();
    m_random.reset();
}

QByteArray TestLimitKeeper::fileContent() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

void TestLimitKeeper::whenAsked(const std::function<void(QMessageBox *)> &act)
{
    m_answering->disconnect();
    connect(m_answering.get(), &QTimer::timeout, this, [this, act] {
        if (QMessageBox *box = m_question->openBox(); box && box->isVisible()) {
            m_answering->stop();
            act(box);
        }
    });
    m_answering->start();
}

void TestLimitKeeper::endings_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("asked");

    QTest::newRow("end command, Yes") << Ending::EndYes << true << 1;
    QTest::newRow("end command, No") << Ending::EndNo << false << 1;
    QTest::newRow("frame close") << Ending::FrameClose << true << 0;
    QTest::newRow("window system's close") << Ending::WindowSystemClose << true << 0;
    QTest::newRow("Alt+B, Enter") << Ending::AltBEnter << true << 1;
}

void TestLimitKeeper::endings()
{
    QFETCH(Ending, ending);
    QFETCH(bool, saved);
    QFETCH(int, asked);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // Typed without leaving the field: below the field's minimum, as typed.
    m_keeper->fields()[0]->setText(QStringLiteral("3"));
    m_keeper->fields()[6]->setText(QStringLiteral("7.5"));
    QList<Problem> problems;
    for (int p = 0; p < m_window->pageCount(); ++p)
        problems << m_window->page(p)->session().problem();

    switch (ending) {
    case Ending::EndYes:
    case Ending::EndNo:
        m_question->presetAnswer(ending == Ending::EndYes);
        m_window->endAction()->trigger();
        break;
    case Ending::FrameClose:
        m_window->close();
        break;
    case Ending::WindowSystemClose:
        m_window->windowHandle()->close();
        break;
    case Ending::AltBEnter:
        whenAsked([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        QTest::keyClick(m_window.get(), Qt::Key_B, Qt::AltModifier);
        break;
    }

    QTRY_COMPARE(m_question->timesAsked(), asked);
    QTRY_COMPARE(m_question->openBox(), nullptr);
    QCOMPARE(m_window->isVisible(), !saved);
    QCOMPARE(m_keeper->unloaded(), saved);
    QCOMPARE(m_devices.saves, saved ? 1 : 0);
    const QByteArray expected =
        saved ? QByteArray::fromHex("0300 3200 3200 3200 0500 3200 0800") + kTail : kOld;
    QCOMPARE(fileContent().toHex(' '), expected.toHex(' '));
    QVERIFY(m_reporter.reports.isEmpty());
    if (!saved) {
        // No: everything as it was.
        QCOMPARE(m_keeper->fields()[0]->text(), QStringLiteral("3"));
        for (int p = 0; p < m_window->pageCount(); ++p)
            QCOMPARE(m_window->page(p)->session().problem(), problems[p]);
    }
}

void TestLimitKeeper::savedOnce_data()
{
    QTest::addColumn<QList<Path>>("paths");
    QTest::addColumn<bool>("changeBetween");
    QTest::addColumn<int>("saves");

    QTest::newRow("Yes, then the window closes")
        << QList{Path::EndYes, Path::FrameClose} << false << 1;
    QTest::newRow("session save, then close")
        << QList{Path::SessionSave, Path::FrameClose} << false << 1;
    QTest::newRow("session save, changed limits, close")
        << QList{Path::SessionSave, Path::FrameClose} << true << 2;
    QTest::newRow("close, then the session save")
        << QList{Path::FrameClose, Path::SessionSave} << false << 1;
}

void TestLimitKeeper::savedOnce()
{
    QFETCH(QList<Path>, paths);
    QFETCH(bool, changeBetween);
    QFETCH(int, saves);
    m_question->presetAnswer(true);

    for (int i = 0; i < paths.size(); ++i) {
        if (i > 0 && changeBetween)
            m_keeper->fields()[1]->setText(QStringLiteral("99"));
        switch (paths[i]) {
        case Path::EndYes:
            m_window->endAction()->trigger();
            break;
        case Path::FrameClose:
            m_window->close();
            break;
        case Path::SessionSave:
            m_keeper->save(ProblemReporter::Channel::StandardError);
            break;
        }
    }

    QCOMPARE(m_devices.saves, saves);
    const QByteArray record =
        QByteArray::fromHex(changeBetween ? "3200 6300 3200 3200 0500 3200 0500"
                                          : "3200 3200 3200 3200 0500 3200 0500");
    QCOMPARE(fileContent().toHex(' '), (record + kTail).toHex(' '));
}

void TestLimitKeeper::failuresAreReported_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<ProblemReporter::Channel>("channel");

    QTest::newRow("end command's Yes: a box") << Path::EndYes << ProblemReporter::Channel::Box;
    QTest::newRow("frame close: standard error only")
        << Path::FrameClose << ProblemReporter::Channel::StandardError;
    QTest::newRow("session save: standard error only")
        << Path::SessionSave << ProblemReporter::Channel::StandardError;
}

void TestLimitKeeper::failuresAreReported()
{
    QFETCH(Path, path);
    QFETCH(ProblemReporter::Channel, channel);
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("set.dat")));
    m_window->show();
    m_question->presetAnswer(true);

    switch (path) {
    case Path::EndYes:
        m_window->endAction()->trigger();
        break;
    case Path::FrameClose:
        m_window->close();
        break;
    case Path::SessionSave:
        m_keeper->save(ProblemReporter::Channel::StandardError);
        break;
    }

    QCOMPARE(m_reporter.reports.size(), 1);
    const RecordingReporter::Report &report = m_reporter.reports.first();
    QCOMPARE(report.channel, channel);
    QVERIFY(report.plain.contains(QStringLiteral("nem sikerült elmenteni")));
    QVERIFY(report.detail.contains(m_path));
    // The end of the run is not held up by the failure.
    QCOMPARE(m_window->isVisible(), path == Path::SessionSave);
    QVERIFY(QFileInfo(m_path).isDir());
}

void TestLimitKeeper::typedLimitSurvivesTheQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void TestLimitKeeper::typedLimitSurvivesTheQuestion()
{
    QFETCH(bool, yes);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QLineEdit *field = m_keeper->fields()[0];
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("3"));

    // The box takes the focus from the field: that is no leaving of the
    // field, so its minimum (10) is not applied, neither while the box waits
    // nor after it.
    QString whileAsked;
    whenAsked([&](QMessageBox *box) {
        whileAsked = field->text();
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    m_window->endAction()->trigger();

    QCOMPARE(whileAsked, QStringLiteral("3"));
    QCOMPARE(fileContent().left(2).toHex(' '), QByteArray(yes ? "03 00" : "0b 00"));
    if (yes)
        return;
    QCOMPARE(field->text(), QStringLiteral("3"));
    // Leaving the field for another control does apply it.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(m_window.get(), Qt::Key_Tab);
    QTRY_COMPARE(field->text(), QStringLiteral("10"));
}

void TestLimitKeeper::sessionEndsWhileAsking()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    whenAsked([this](QMessageBox *) { m_window->close(); });
    m_window->endAction()->trigger();

    QCOMPARE(m_question->openBox(), nullptr);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_devices.saves, 1);
    QCOMPARE(fileContent().toHex(' '),
             (QByteArray::fromHex("3200 3200 3200 3200 0500 3200 0500") + kTail).toHex(' '));
}

QTEST_MAIN(TestLimitKeeper)
#include "tst_limitkeeper.moc"
