#include "core/drillsession.h"
#include "core/textvalue.h"
#include "settings/settingsfile.h"
#include "support/allrules.h"
#include "support/fakerandom.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace kalkora;
using namespace kalkora::test;

namespace {

// Where the disk fails under the settings file: reading breaks off, no
// temporary file can be made beside it, the temporary file takes 9 bytes of
// the 20, the commit fails, writing in place fails.
enum Fault { ReadBreaks = 1, NoTemporary = 2, ShortWrite = 4, NoCommit = 8, NoInPlace = 16 };

template <typename Device> struct Faulty final : Device
{
    static constexpr bool kReplacement = std::is_same_v<Device, QSaveFile>;
    Faulty(const QString &path, int faults) : Device(path), f(faults) {}
    using Device::open;
    bool open(QIODevice::OpenMode mode) override
    {
        return !(kReplacement && f & NoTemporary) && Device::open(mode);
    }
    qint64 readData(char *data, qint64 len) override
    {
        return f & ReadBreaks ? -1 : Device::readData(data, len);
    }
    // What passes reaches the file: committing a replacement after a short
    // write would put a torn record in place.
    qint64 writeData(const char *data, qint64 len) override
    {
        if (!kReplacement && f & NoInPlace)
            return -1;
        return Device::writeData(data,
                                 kReplacement && f & ShortWrite ? std::min<qint64>(len, 9) : len);
    }
    const int f;
};

struct FaultyDevices final : SettingsDevices
{
    explicit FaultyDevices(int faults) : f(faults) {}
    std::unique_ptr<QFile> file(const QString &path) const override
    {
        return std::make_unique<Faulty<QFile>>(path, f);
    }
    std::unique_ptr<QSaveFile> replacement(const QString &path) const override
    {
        return std::make_unique<Faulty<QSaveFile>>(path, f);
    }
    // Uncommitted, the replacement drops its temporary file, as a failed rename does.
    bool commit(QSaveFile &save) const override { return !(f & NoCommit) && save.commit(); }
    const int f;
};

const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = QByteArray::fromHex("0100 0200 0300 0400 0500 0600 0700") + kTail;
const QStringList kNewTexts = {"10", "20", "30", "40", "-3", "7.5", "6.5"};
const QByteArray kNewRecord = QByteArray::fromHex("0A00 1400 1E00 2800 FDFF 0800 0600");

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toHex(' ') : "<unreadable>";
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readAndWritten_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        // A short file holds only the fields that fit in it wholly.
        QTest::newRow("3 bytes") << kOld.left(3);
        QTest::newRow("20 bytes keep their tail") << kOld;
    }
    void readAndWritten()
    {
        QFETCH(QByteArray, content);
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("set.dat"));
        if (QFile file(path); !content.isNull() && file.open(QIODevice::WriteOnly))
            file.write(content);
        const SettingsFile file(path);
        const SettingsFile::Reading reading = file.read();
        QCOMPARE(reading.error.value_or(QString()), QString());
        QCOMPARE(reading.fields, SettingsRecord::decode(content));
        // Reading changes nothing, but a missing file is made, empty.
        QCOMPARE(contentOf(path), content.toHex(' '));
        QCOMPARE(file.write(kNewTexts).value_or(QString()), QString());
        QCOMPARE(contentOf(path), (kNewRecord + content.mid(14)).toHex(' '));
    }

    void failingDisk_data()
    {
        QTest::addColumn<QFile::Permissions>("file"); // none: no file
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<int>("faults"); // none: the program's own devices
        QTest::addColumn<bool>("readWorks");
        QTest::addColumn<bool>("saved"); // else reported, and the old content stays
        const QFile::Permissions rw = QFile::ReadOwner | QFile::WriteOwner, none;
        QTest::newRow("short write") << rw << true << int(ShortWrite) << true << false;
        QTest::newRow("commit failure") << rw << true << int(NoCommit) << true << false;
        QTest::newRow("read error: saved in place")
            << rw << true << int(ReadBreaks) << false << true;
        QTest::newRow("in-place error") << rw << true << (NoTemporary | NoInPlace) << true << false;
        // Permissions bind everybody but the superuser; CI runs these once more
        // as an unprivileged user (see CMakeLists.txt).
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
        if (geteuid() == 0 && (!folderWritable || file != (QFile::ReadOwner | QFile::WriteOwner)))
            QSKIP("the superuser reads and writes everywhere");
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("set.dat"));
        if (QFile old(path); file && old.open(QIODevice::WriteOnly))
            QVERIFY(old.write(kOld) == kOld.size() && old.setPermissions(file));
        const QFile::Permissions folder = QFile::permissions(dir.path());
        if (!folderWritable)
            QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(dir.path(), folder); });

        const FaultyDevices faulty(faults);
        const SettingsFile settings(path, faults ? faulty : SettingsDevices::system());
        QCOMPARE(!settings.read().error, readWorks);
        QCOMPARE(!settings.write(kNewTexts), saved);
        if (file & QFile::ReadOwner)
            QCOMPARE(contentOf(path), (saved ? kNewRecord + kTail : kOld).toHex(' '));
        // Nothing is left over from a failed save.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 file ? QStringList{"set.dat"} : QStringList());
    }

    // A limit field in the order of the settings record, and the smallest
    // stored value with which its page has a first problem at all; below it,
    // the field gets its minimum. The first multiplication problem does not
    // use the multiplier, so no multiplier blocks it.
    void everyStoredValueStartsUp_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("smallestUsable");
        QTest::newRow("MaxPlusz") << int(Add) << 0 << 2;
        QTest::newRow("KivMax") << int(Sub) << 0 << 2;
        QTest::newRow("PotlasMax") << int(Compl) << 0 << 4;
        QTest::newRow("MaxSz") << int(Mult) << 0 << 4;
        QTest::newRow("MaxSzorzo") << int(Mult) << 1 << -32768;
        QTest::newRow("MaxO") << int(Div) << 0 << 4;
        QTest::newRow("MaxOszto") << int(Div) << 1 << 2;
    }
    void everyStoredValueStartsUp()
    {
        QFETCH(int, page);
        QFETCH(int, slot);
        QFETCH(int, smallestUsable);
        FakeClock clock;
        Generator generator(clock);
        const double minimum = kRules[page]->limits().at(slot).minimum;
        for (int value = -32768; value <= 32767; ++value) {
            clock.value = quint64(value) * 2654435761u;
            // Start-up: the stored value into its field, the other fields as
            // they start, then each page's first problem in tab order.
            std::vector<std::unique_ptr<DrillSession>> pages;
            for (const DrillRules *rules : kRules)
                pages.push_back(std::make_unique<DrillSession>(*rules, generator));
            pages[page]->setLimitText(slot, decimalText(value));
            for (int p = Add; p <= Div; ++p) {
                pages[p]->poseFirstProblem();
                if (!admissible(Page(p), pages[p]->problem(), pages[p]->limitValues(),
                                Drawing::First))
                    QFAIL(qPrintable(QStringLiteral("stored %1: page %2 posed ").arg(value).arg(p) +
                                     QLatin1String(toString(pages[p]->problem()))));
            }
            const QString shown = pages[page]->limitText(slot);
            if (shown != decimalText(value >= smallestUsable ? value : qint64(minimum)))
                QFAIL(qPrintable(QStringLiteral("stored %1 shows as %2").arg(value).arg(shown)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
