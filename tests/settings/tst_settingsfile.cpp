// SPDX-License-Identifier: GPL-3.0-or-later
// set.dat: the limits loaded into the sessions and saved from them, byte for
// byte, on failing devices and with permissions that bind even root.

#include "core/drillset.h"
#include "settings/limitstore.h"
#include "support/drilltest.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace kalkora;
using namespace kalkora::test;

namespace {

// Where the disk fails under the settings file: reading breaks off, the
// temporary file takes 9 bytes of the 20, the commit fails.
enum Fault { ReadBreaks = 1, ShortWrite = 2, NoCommit = 4 };

template <typename Device> struct Faulty final : Device
{
    static constexpr bool kReplacement = std::is_same_v<Device, QSaveFile>;
    Faulty(const QString &path, int faults) : Device(path), f(faults) {}
    qint64 readData(char *data, qint64 len) override
    {
        return f & ReadBreaks ? -1 : Device::readData(data, len);
    }
    // What passes reaches the file: committing a replacement after a short
    // write would put a torn record in place.
    qint64 writeData(const char *data, qint64 len) override
    {
        return Device::writeData(data,
                                 kReplacement && f & ShortWrite ? std::min<qint64>(len, 9) : len);
    }
    const int f;
};

// The devices with those faults, counting the saves that reach the disk.
struct Devices final : SettingsDevices
{
    explicit Devices(int faults = 0) : f(faults) {}
    std::unique_ptr<QFile> file(const QString &path) const override
    {
        return std::make_unique<Faulty<QFile>>(path, f);
    }
    std::unique_ptr<QSaveFile> replacement(const QString &path) const override
    {
        ++saves;
        return std::make_unique<Faulty<QSaveFile>>(path, f);
    }
    // Uncommitted, the replacement drops its temporary file, as a failed rename does.
    bool commit(QSaveFile &save) const override { return !(f & NoCommit) && save.commit(); }
    const int f;
    mutable int saves = 0;
};

const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0100 0200 0300 0400 0500 0600 0700") + kTail;
const SettingsRecord::Texts kNewTexts = {"10", "20", "30", "40", "-3", "7.5", "6.5"};
// The limit each field of the record has always held, in the file's order:
// moving a tab must not move a limit in the file.
const std::pair<Drill, int> kStoredAs[] = {{Drill::Addition, 0},       {Drill::Subtraction, 0},
                                           {Drill::Completion, 0},     {Drill::Multiplication, 0},
                                           {Drill::Multiplication, 1}, {Drill::Division, 0},
                                           {Drill::Division, 1}};
const QByteArray kNew = QByteArray::fromHex("0A00 1400 1E00 2800 FDFF 0800 0600") + kTail;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    const QString m_path = m_dir.filePath(QStringLiteral("set.dat"));

private Q_SLOTS:
    // Root reads and writes past any permission bit; without these two
    // capabilities it is bound by them, as everybody else is. They go from
    // the permitted set too, which access(2) consults for root.
    void initTestCase()
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[2] = {};
        QCOMPARE(syscall(SYS_capget, &header, caps), 0);
        const quint32 bypass = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH; // both below 32
        caps[0].effective &= ~bypass;
        caps[0].permitted &= ~bypass;
        QCOMPARE(syscall(SYS_capset, &header, caps), 0);
    }
    void cleanup() { QFile::remove(m_path); }

    void loadAndSave_data()
    {
        QTest::addColumn<QByteArray>("content"); // before loading; null: no file
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("saved"); // the file's bytes after saving the typed limits
        const QStringList initial{"50", "50", "50", "50", "5", "50", "5"};
        QTest::newRow("no file") << QByteArray() << initial
                                 << QStringList{"1", "2", "3", "-3", "256", "4660", "-1"}
                                 << QByteArray::fromHex("0100 0200 0300 FDFF 0001 3412 FFFF");
        QTest::newRow("14 bytes, as saved")
            << kOld.left(14) << QStringList{"1", "2", "3", "4", "5", "6", "7"}
            << QStringList{"2.5", "3.5", "-2.5", "1.4", "-0.6", "32766.5", "9"}
            << QByteArray::fromHex("0200 0400 FEFF 0100 FFFF FE7F 0900"); // halves to even
        // A short file holds only the fields that fit in it wholly.
        QTest::newRow("3 bytes")
            << kOld.left(3) << QStringList{"1", "50", "50", "50", "5", "50", "5"}
            << QStringList{"32767.5", "-32768.5", "40000", "1e999", "-1e9", "32768", "-32769"}
            << QByteArray::fromHex("FF7F 0080 FF7F FF7F 0080 FF7F 0080"); // held at the ends
        QTest::newRow("20 bytes keep their tail")
            << kOld << QStringList{"1", "2", "3", "4", "5", "6", "7"}
            << QStringList{"10", "20", "30", "40", "-3", "7.5", "6.5"} << kNew;
    }
    // Loading puts the stored limits into the sessions, low byte first, and
    // changes nothing in the file, but a missing file is made, empty. Saving
    // writes the sessions' limits as whole numbers into the record, and a
    // second save of the same limits writes nothing.
    void loadAndSave()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, loaded);
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, saved);
        if (QFile file(m_path); !content.isNull() && file.open(QIODevice::WriteOnly))
            file.write(content);
        const Devices devices;
        const SettingsFile file(m_path, devices);
        PosedProblems problems;
        DrillSet drills(problems);
        LimitStore store(drills, file);
        QCOMPARE(store.load(), std::nullopt);
        QStringList texts;
        for (const auto &[drill, limit] : kStoredAs) {
            texts << drills.session(drill).limitText(limit);
            drills.session(drill).setLimitText(limit, typed.takeFirst());
        }
        QCOMPARE(texts, loaded);
        QCOMPARE(contentOf(m_path), content.isNull() ? "" : content);
        QCOMPARE(store.save(), std::nullopt);
        QCOMPARE(store.save(), std::nullopt);
        QCOMPARE(devices.saves, 1);
        QCOMPARE(contentOf(m_path).toHex(' '), saved.toHex(' '));
    }

    void failingDisk_data()
    {
        QTest::addColumn<QFile::Permissions>("file"); // none: no file
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<int>("faults");
        QTest::addColumn<bool>("readWorks");
        QTest::addColumn<bool>("saved"); // else reported, and the old content stays
        const QFile::Permissions rw = QFile::ReadOwner | QFile::WriteOwner, none;
        QTest::newRow("short write") << rw << true << int(ShortWrite) << true << false;
        QTest::newRow("commit failure") << rw << true << int(NoCommit) << true << false;
        QTest::newRow("read error, saved") << rw << true << int(ReadBreaks) << false << true;
        QTest::newRow("read-only file") << (rw & ~QFile::WriteOwner) << true << 0 << true << false;
        QTest::newRow("write-only file") << (rw & ~QFile::ReadOwner) << true << 0 << false << false;
        QTest::newRow("read-only folder: saved in place") << rw << false << 0 << true << true;
        QTest::newRow("read-only folder, no file") << none << false << 0 << false << false;
    }
    void failingDisk()
    {
        QFETCH(QFile::Permissions, file);
        QFETCH(bool, folderWritable);
        QFETCH(int, faults);
        QFETCH(bool, readWorks);
        QFETCH(bool, saved);
        if (QFile old(m_path); file)
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) && old.setPermissions(file));
        const QFile::Permissions folder = QFile::permissions(m_dir.path());
        if (!folderWritable)
            QVERIFY(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(m_dir.path(), folder); });
        const Devices devices(faults);
        const SettingsFile settings(m_path, devices);
        PosedProblems problems;
        DrillSet drills(problems);
        QCOMPARE(!LimitStore(drills, settings).load(), readWorks);
        QCOMPARE(!settings.write(kNewTexts), saved);
        if (file & QFile::ReadOwner)
            QCOMPARE(contentOf(m_path).toHex(' '), (saved ? kNew : kOld).toHex(' '));
        // Nothing is left over from a failed save.
        QCOMPARE(
            QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            file ? QStringList{"set.dat"} : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
