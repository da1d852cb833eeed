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
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kalkora;
using namespace kalkora::test;

namespace {

const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0B00 0C00 0D00 0E00 0300 1500 0400") + kTail;

// A window with its limits kept in a set.dat that holds kOld, and its first
// problems posed; the saves that reach the disk are counted.
struct Run final : SettingsDevices
{
    Run()
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(kOld);
        window.poseFirstProblems();
    }
    std::unique_ptr<QSaveFile> replacement(const QString &name) const override
    {
        ++saves;
        return SettingsDevices::replacement(name);
    }
    QByteArray content() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("set.dat"));
    mutable int saves = 0;
    ScriptedRandom random;
    MainWindow window{random};
    SettingsFile settings{path, *this};
    RecordingReporter reporter;
    ExitQuestion question;
    LimitKeeper keeper{window, settings, reporter, question};
};

// What is done to the exit question's box once it waits.
using Act = std::function<void(Run &, QMessageBox *)>;
enum class Path { StartUp, EndYes, FrameClose };

} // namespace

Q_DECLARE_METATYPE(Path)

class TestLimitKeeper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theQuestion();
    void endings_data();
    void endings();
    void changedAfterTheSessionsSave();
    void failuresAreReported_data();
    void failuresAreReported();
};

// Its Hungarian buttons, which need the translations the program installs,
// are checked on the running program (tests/acceptance/test_exit.py).
void TestLimitKeeper::theQuestion()
{
    const std::unique_ptr<QMessageBox> box = ExitQuestion::createBox(nullptr);
    QCOMPARE(box->text(), QStringLiteral("Biztos hogy Befejezed?\r\n\r\n"));
    QCOMPARE(box->windowTitle(), QStringLiteral(" Kilépés "));
    QCOMPARE(box->icon(), QMessageBox::Question);
    QCOMPARE(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::Yes));
}

void TestLimitKeeper::endings_data()
{
    QTest::addColumn<Act>("act"); // none: the window frame's close, nobody asked
    QTest::addColumn<bool>("boxStaysOpen");
    QTest::addColumn<bool>("saved"); // and ended; else nothing changes

    const auto press = [](Qt::Key key) {
        return Act([key](Run &, QMessageBox *box) { QTest::keyClick(box, key); });
    };
    const Act no = [](Run &, QMessageBox *box) { box->button(QMessageBox::No)->click(); };
    const Act closeBox = [](Run &, QMessageBox *box) { box->close(); };
    const Act closeWindow = [](Run &run, QMessageBox *) { run.window.close(); };
    QTest::newRow("Alt+B, Enter: Yes") << press(Qt::Key_Return) << false << true;
    QTest::newRow("Alt+B, No") << no << false << false;
    QTest::newRow("Alt+B, Esc does nothing") << press(Qt::Key_Escape) << true << false;
    QTest::newRow("Alt+B, the box's close does nothing") << closeBox << true << false;
    QTest::newRow("frame close: not asked") << Act() << false << true;
    QTest::newRow("the window closes while asking") << closeWindow << false << true;
}

void TestLimitKeeper::endings()
{
    QFETCH(Act, act);
    QFETCH(bool, boxStaysOpen);
    QFETCH(bool, saved);
    Run run;
    run.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&run.window));
    // Typed below the field's minimum and not left: the box taking the focus
    // is no leaving of the field, so it stays as typed.
    QLineEdit *field = run.keeper.fields()[0];
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("3"));
    const Problem problem = run.window.page(0)->session().problem();

    bool stayedOpen = false;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
        if (QMessageBox *box = run.question.openBox(); box && box->isVisible()) {
            answering.stop();
            act(run, box);
            // A box still waiting is answered No by the test itself.
            if ((stayedOpen = box->isVisible()))
                box->button(QMessageBox::No)->click();
        }
    });
    answering.start(10);
    if (act)
        QTest::keyClick(field, Qt::Key_B, Qt::AltModifier);
    else
        run.window.close();

    QCOMPARE(run.question.timesAsked(), act ? 1 : 0);
    QCOMPARE(stayedOpen, boxStaysOpen);
    QCOMPARE(run.window.isVisible(), !saved);
    QCOMPARE(run.saves, saved ? 1 : 0);
    const QByteArray typed = QByteArray::fromHex("0300 3200 3200 3200 0500 3200 0500") + kTail;
    QCOMPARE(run.content().toHex(' '), (saved ? typed : kOld).toHex(' '));
    QCOMPARE(run.reporter.reports.size(), 0);
    QCOMPARE(field->text(), QStringLiteral("3"));
    QCOMPARE(run.window.page(0)->session().problem(), problem);
}

void TestLimitKeeper::changedAfterTheSessionsSave()
{
    Run run;
    run.keeper.save(ProblemReporter::Channel::StandardError);
    run.keeper.fields()[1]->setText(QStringLiteral("99"));
    run.window.close();
    const QByteArray changed = QByteArray::fromHex("3200 6300 3200 3200 0500 3200 0500") + kTail;
    QCOMPARE(run.content().toHex(' '), changed.toHex(' '));
}

void TestLimitKeeper::failuresAreReported_data()
{
    QTest::addColumn<Path>("path");
    QTest::addColumn<ProblemReporter::Channel>("channel"); // a box only while nothing ends
    QTest::addColumn<QString>("plain");

    const auto box = ProblemReporter::Channel::Box;
    const auto standardError = ProblemReporter::Channel::StandardError;
    QTest::newRow("start-up: a box") << Path::StartUp << box << "nem sikerült betölteni";
    QTest::newRow("end command's Yes: a box") << Path::EndYes << box << "nem sikerült elmenteni";
    QTest::newRow("frame close") << Path::FrameClose << standardError << "nem sikerült elmenteni";
}

void TestLimitKeeper::failuresAreReported()
{
    QFETCH(Path, path);
    QFETCH(ProblemReporter::Channel, channel);
    QFETCH(QString, plain);
    Run run;
    QVERIFY(QFile::remove(run.path));
    QVERIFY(QDir(run.dir.path()).mkdir(QStringLiteral("set.dat")));
    run.window.show();
    run.question.presetAnswer(true);

    if (path == Path::StartUp)
        run.keeper.load();
    else if (path == Path::EndYes)
        run.window.endAction()->trigger();
    else
        run.window.close();

    QCOMPARE(run.reporter.reports.size(), 1);
    const RecordingReporter::Report &report = run.reporter.reports.first();
    QCOMPARE(report.channel, channel);
    QVERIFY2(report.plain.contains(plain), qPrintable(report.plain));
    QVERIFY2(report.detail.contains(run.path), qPrintable(report.detail));
    // The run goes on, or ends, as it would have without the failure.
    QCOMPARE(run.window.isVisible(), path == Path::StartUp);
}

QTEST_MAIN(TestLimitKeeper)
#include "tst_limitkeeper.moc"
