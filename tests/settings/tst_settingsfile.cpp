#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace kalkora;

namespace {

constexpr qint64 kAll = std::numeric_limits<qint64>::max();

// Where the disk fails under the settings file.
struct Faults
{
    bool reading = false;           // reading the file breaks off
    bool openReplacement = false;   // no temporary file can be made beside it
    qint64 replacementWrite = kAll; // bytes a write lets through; -1: it fails
    bool commit = false;
    qint64 inPlaceWrite = kAll;
    friend bool operator==(const Faults &, const Faults &) = default;
};

template <typename Device> class Faulty final : public Device
{
    static constexpr bool kReplacement = std::is_same_v<Device, QSaveFile>;

public:
    Faulty(const QString &path, const Faults &faults) : Device(path), m_faults(faults) {}
    using Device::open;
    bool open(QIODevice::OpenMode mode) override
    {
        return !(kReplacement && m_faults.openReplacement) && Device::open(mode);
    }

protected:
    qint64 readData(char *data, qint64 len) override
    {
        return m_faults.reading ? -1 : Device::readData(data, len);
    }
    // What passes reaches the file: committing a replacement after a short
    // write would put a torn record in place.
    qint64 writeData(const char *data, qint64 len) override
    {
        const qint64 writable = kReplacement ? m_faults.replacementWrite : m_faults.inPlaceWrite;
        return writable < 0 ? -1 : Device::writeData(data, std::min(writable, len));
    }

private:
    const Faults &m_faults;
};

class FaultyDevices final : public SettingsDevices
{
public:
    explicit FaultyDevices(const Faults &faults) : m_faults(faults) {}
    std::unique_ptr<QFile> file(const QString &path) const override
    {
        return std::make_unique<Faulty<QFile>>(path, m_faults);
    }
    std::unique_ptr<QSaveFile> replacement(const QString &path) const override
    {
        return std::make_unique<Faulty<QSaveFile>>(path, m_faults);
    }
    // Uncommitted, the replacement throws its temporary file away, as a
    // failed rename does.
    bool commit(QSaveFile &replacement) const override
    {
        return !m_faults.commit && replacement.commit();
    }

private:
    const Faults &m_faults;
};

const QByteArray kRecord = QByteArray::fromHex("0100 0200 0300 0400 0500 0600 0700");
const QByteArray kTail = QByteArray::fromHex("DEAD BEEF 0001");
const QByteArray kOld = kRecord + kTail;
const QStringList kNewTexts = {"10", "20", "30", "40", "-3", "7.5", "6.5"};
const QByteArray kNewRecord = QByteArray::fromHex("0A00 1400 1E00 2800 FDFF 0800 0600");

void put(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString shown(const SettingsRecord::Fields &fields)
{
    QStringList texts;
    for (const std::optional<qint16> &field : fields)
        texts << (field ? QString::number(*field) : QStringLiteral("-"));
    return texts.join(u' ');
}

} // namespace

Q_DECLARE_METATYPE(Faults)
Q_DECLARE_METATYPE(std::optional<QByteArray>)

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readAndWritten_data();
    void readAndWritten();
    void failingDisk_data();
    void failingDisk();
};

void TestSettingsFile::readAndWritten_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content"); // none: no file
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("no file") << std::optional<QByteArray>() << "- - - - - - -" << kNewRecord;
    // A short file holds only the fields that fit in it wholly.
    for (int length = 0; length <= 14; ++length) {
        QStringList fields(SettingsRecord::FieldCount, QStringLiteral("-"));
        for (int i = 0; i < length / 2; ++i)
            fields[i] = QString::number(i + 1);
        QTest::addRow("%d bytes", length)
            << std::optional(kRecord.left(length)) << fields.join(u' ') << kNewRecord;
    }
    QTest::newRow("20 bytes keep their tail")
        << std::optional(kOld) << "1 2 3 4 5 6 7" << kNewRecord + kTail;
}

void TestSettingsFile::readAndWritten()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(QString, fields);
    QFETCH(QByteArray, written);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.dat"));
    if (content)
        put(path, *content);
    const SettingsFile file(path);

    const SettingsFile::Reading reading = file.read();
    QCOMPARE(reading.error.value_or(QString()), QString());
    QCOMPARE(shown(reading.fields), fields);
    // Reading changes nothing, but a missing file is made, empty.
    QCOMPARE(contentOf(path), content.value_or(QByteArray()));

    QCOMPARE(file.write(kNewTexts).value_or(QString()), QString());
    QCOMPARE(contentOf(path).toHex(' '), written.toHex(' '));
}

void TestSettingsFile::failingDisk_data()
{
    QTest::addColumn<QFile::Permissions>("file"); // none: no file
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<Faults>("faults");
    QTest::addColumn<bool>("readWorks");
    QTest::addColumn<bool>("saved"); // else reported, and the old content stays

    const QFile::Permissions rw = QFile::ReadOwner | QFile::WriteOwner;
    const auto row = [](const char *name, QFile::Permissions file, bool folderWritable,
                        Faults faults, bool readWorks, bool saved) {
        QTest::newRow(name) << file << folderWritable << faults << readWorks << saved;
    };
    row("write error", rw, true, {.replacementWrite = -1}, true, false);
    row("short write", rw, true, {.replacementWrite = 9}, true, false);
    row("commit failure", rw, true, {.commit = true}, true, false);
    row("read error: saved in place", rw, true, {.reading = true}, false, true);
    row("in-place error", rw, true, {.openReplacement = true, .inPlaceWrite = -1}, true, false);
    // Permissions bind everybody but the superuser; CI runs these once more
    // as an unprivileged user (see CMakeLists.txt).
    row("read-only file", QFile::ReadOwner, true, {}, true, false);
    row("write-only file", QFile::WriteOwner, true, {}, false, false);
    row("read-only folder: saved in place", rw, false, {}, true, true);
    row("read-only folder, no file", {}, false, {}, false, false);
}

void TestSettingsFile::failingDisk()
{
    QFETCH(QFile::Permissions, file);
    QFETCH(bool, folderWritable);
    QFETCH(Faults, faults);
    QFETCH(bool, readWorks);
    QFETCH(bool, saved);
    if (geteuid() == 0 && (!folderWritable || file != (QFile::ReadOwner | QFile::WriteOwner)))
        QSKIP("the superuser reads and writes everywhere");
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.dat"));
    if (file) {
        put(path, kOld);
        QVERIFY(QFile::setPermissions(path, file));
    }
    const QFile::Permissions folder = QFile::permissions(dir.path());
    if (!folderWritable)
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(dir.path(), folder); });

    // Without faults, the program's own devices meet the file system.
    const FaultyDevices faulty(faults);
    const SettingsFile settings(path, faults == Faults{} ? SettingsDevices::system() : faulty);
    const SettingsFile::Reading reading = settings.read();
    const SettingsError written = settings.write(kNewTexts);

    QCOMPARE(!reading.error, readWorks);
    QCOMPARE(!written, saved);
    if (file & QFile::ReadOwner)
        QCOMPARE(contentOf(path).toHex(' '), (saved ? kNewRecord + kTail : kOld).toHex(' '));
    // Nothing is left over from a failed save.
    QCOMPARE(entries(dir.path()), file ? QStringList{"set.dat"} : QStringList());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
