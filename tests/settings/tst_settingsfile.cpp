#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace kalkora;

using Fields = SettingsRecord::Fields;
Q_DECLARE_METATYPE(Fields)

namespace {

constexpr qint64 kWhole = std::numeric_limits<qint64>::max();

// Where a test makes the disk fail.
struct Faults
{
    bool openForReading = false;
    bool reading = false;
    bool creating = false;        // a missing file cannot be made
    bool openInPlace = false;     // the file cannot be opened for writing
    qint64 inPlaceWrite = kWhole; // bytes an in-place write takes; -1: an error
    bool openReplacement = false; // no temporary file can be made beside it
    qint64 replacementWrite = kWhole;
    bool commit = false;
};

qint64 faultyWrite(qint64 allowed, qint64 len)
{
    return allowed < 0 ? -1 : std::min(allowed, len);
}

class FaultyFile final : public QFile
{
public:
    FaultyFile(const QString &path, const Faults &faults) : QFile(path), m_faults(faults) {}
    using QFile::open;
    bool open(OpenMode mode) override
    {
        const bool creating = mode & NewOnly;
        const bool writing = mode & WriteOnly;
        if ((creating && m_faults.creating) || (!creating && writing && m_faults.openInPlace) ||
            (!writing && m_faults.openForReading)) {
            setErrorString(QStringLiteral("Permission denied"));
            return false;
        }
        return QFile::open(mode);
    }

protected:
    qint64 readData(char *data, qint64 len) override
    {
        if (m_faults.reading) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        return QFile::readData(data, len);
    }
    qint64 writeData(const char *data, qint64 len) override
    {
        const qint64 n = faultyWrite(m_faults.inPlaceWrite, len);
        if (n < 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QFile::writeData(data, n);
    }

private:
    Faults m_faults;
};

class FaultySaveFile final : public QSaveFile
{
public:
    FaultySaveFile(const QString &path, const Faults &faults) : QSaveFile(path), m_faults(faults)
    {
        setDirectWriteFallback(false);
    }
    using QSaveFile::open;
    bool open(OpenMode mode) override
    {
        if (m_faults.openReplacement) {
            setErrorString(QStringLiteral("Permission denied"));
            return false;
        }
        return QSaveFile::open(mode);
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        // What passes reaches the temporary file: a commit after a short
        // write would put a torn record in place.
        const qint64 n = faultyWrite(m_faults.replacementWrite, len);
        if (n < 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        return QSaveFile::writeData(data, n);
    }

private:
    Faults m_faults;
};

class FaultyDevices final : public SettingsDevices
{
public:
    explicit FaultyDevices(const Faults &faults) : m_faults(faults) {}
    std::unique_ptr<QFile> file(const QString &path) const override
    {
        return std::make_unique<FaultyFile>(path, m_faults);
    }
    std::unique_ptr<QSaveFile> replacement(const QString &path) const override
    {
        return std::make_unique<FaultySaveFile>(path, m_faults);
    }
    bool commit(QSaveFile &replacement) const override
    {
        if (!m_faults.commit)
            return replacement.commit();
        // The way a failed rename ends: the temporary file is thrown away.
        replacement.cancelWriting();
        replacement.commit();
        return false;
    }

private:
    Faults m_faults;
};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray kTail = hex("DEAD BEEF 0001");
const QByteArray kOldRecord = hex("0100 0200 0300 0400 0500 0600 0700");
const QStringList kNewTexts = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                               QStringLiteral("40"), QStringLiteral("-3"), QStringLiteral("7.5"),
                               QStringLiteral("6.5")};
const QByteArray kNewRecord = hex("0A00 1400 1E00 2800 FDFF 0800 0600");

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

void putFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

Q_DECLARE_METATYPE(Faults)
Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace QTest {
template <> char *toString(const Fields &fields)
{
    QStringList shown;
    for (const std::optional<qint16> &field : fields)
        shown << (field ? QString::number(*field) : QStringLiteral("-"));
    return qstrdup(shown.join(u' ').toUtf8().constData());
}
} // namespace QTest

// No error, or the test fails with the error's words.
#define QVERIFY_NO_ERROR(error) QVERIFY2(!(error), qPrintable((error).value_or(QString())))

class TestSettingsFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void read_data();
    void read();
    void write_data();
    void write();
    void relativeToTheWorkingDirectory();
    void failingDisk_data();
    void failingDisk();
    void failingRead_data();
    void failingRead();
    void folderNamedLikeTheFile();
    void realPermissions_data();
    void realPermissions();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestSettingsFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("set.dat"));
}

void TestSettingsFile::read_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content"); // nullopt: no file
    QTest::addColumn<Fields>("expected");

    QTest::newRow("no file") << std::optional<QByteArray>() << Fields{};
    QTest::newRow("0 bytes") << std::optional(QByteArray()) << Fields{};
    // Every length of a short file: only the fields it holds wholly.
    const QByteArray counting = hex("0100 0200 0300 0400 0500 0600 0700");
    const Fields all{1, 2, 3, 4, 5, 6, 7};
    for (int length = 1; length <= 13; ++length) {
        Fields expected;
        for (int i = 0; 2 * i + 2 <= length; ++i)
            expected[i] = all[i];
        QTest::addRow("%d bytes", length) << std::optional(counting.left(length)) << expected;
    }
    QTest::newRow("14 bytes") << std::optional(counting) << all;
    QTest::newRow("20 bytes") << std::optional(counting + kTail) << all;
}

void TestSettingsFile::read()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(Fields, expected);
    if (content)
        putFile(m_path, *content);

    const SettingsFile::Reading reading = SettingsFile(m_path).read();
    QVERIFY_NO_ERROR(reading.error);
    QCOMPARE(reading.fields, expected);
    // Reading changes nothing, except that a missing file now exists, empty.
    QVERIFY(QFile::exists(m_path));
    QCOMPARE(contentOf(m_path), content.value_or(QByteArray()));
}

void TestSettingsFile::write_data()
{
    QTest::addColumn<std::optional<QByteArray>>("content");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no file") << std::optional<QByteArray>() << kNewRecord;
    QTest::newRow("0 bytes") << std::optional(QByteArray()) << kNewRecord;
    QTest::newRow("5 bytes") << std::optional(hex("0102 0304 05")) << kNewRecord;
    QTest::newRow("13 bytes") << std::optional(kOldRecord.left(13)) << kNewRecord;
    QTest::newRow("14 bytes") << std::optional(kOldRecord) << kNewRecord;
    QTest::newRow("20 bytes keep their tail")
        << std::optional(kOldRecord + kTail) << kNewRecord + kTail;
}

void TestSettingsFile::write()
{
    QFETCH(std::optional<QByteArray>, content);
    QFETCH(QByteArray, expected);
    if (content)
        putFile(m_path, *content);

    QVERIFY_NO_ERROR(SettingsFile(m_path).write(kNewTexts));
    QCOMPARE(contentOf(m_path).toHex(' '), expected.toHex(' '));
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("set.dat")});
}

void TestSettingsFile::relativeToTheWorkingDirectory()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const SettingsFile file;
    const SettingsFile::Reading reading = file.read();
    const SettingsError written = file.write(kNewTexts);
    QVERIFY(QDir::setCurrent(previous));

    QVERIFY_NO_ERROR(reading.error);
    QVERIFY_NO_ERROR(written);
    QCOMPARE(contentOf(m_path).toHex(' '), kNewRecord.toHex(' '));
}

void TestSettingsFile::failingDisk_data()
{
    QTest::addColumn<Faults>("faults");
    QTest::addColumn<bool>("saved"); // else reported, and the old content stays

    Faults f;
    f.replacementWrite = -1;
    QTest::newRow("write error") << f << false;
    f = {};
    f.replacementWrite = 9;
    QTest::newRow("short write") << f << false;
    f = {};
    f.commit = true;
    QTest::newRow("commit failure") << f << false;
    f = {};
    f.openReplacement = true;
    QTest::newRow("folder takes no new file: written in place") << f << true;
    f.openInPlace = true;
    QTest::newRow("read-only file in a read-only folder") << f << false;
    f = {};
    f.openReplacement = true;
    f.inPlaceWrite = -1;
    QTest::newRow("in-place write error") << f << false;
    f = {};
    f.openForReading = true;
    QTest::newRow("unreadable file: written in place") << f << true;
    f.openInPlace = true;
    QTest::newRow("neither readable nor writable") << f << false;
    f = {};
    f.reading = true;
    QTest::newRow("read error: written in place") << f << true;
}

void TestSettingsFile::failingDisk()
{
    QFETCH(Faults, faults);
    QFETCH(bool, saved);
    const QByteArray old = kOldRecord + kTail;
    putFile(m_path, old);

    const FaultyDevices devices(faults);
    const SettingsError error = SettingsFile(m_path, devices).write(kNewTexts);

    QCOMPARE(!error, saved);
    if (error)
        QVERIFY2(error->contains(QStringLiteral("set.dat")), qPrintable(*error));
    QCOMPARE(contentOf(m_path).toHex(' '), (saved ? kNewRecord + kTail : old).toHex(' '));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("set.dat")});
}

void TestSettingsFile::failingRead_data()
{
    QTest::addColumn<Faults>("faults");
    QTest::addColumn<bool>("exists");

    Faults f;
    f.openForReading = true;
    QTest::newRow("cannot be opened") << f << true;
    f = {};
    f.reading = true;
    QTest::newRow("cannot be read") << f << true;
    f = {};
    f.creating = true;
    QTest::newRow("cannot be created") << f << false;
}

void TestSettingsFile::failingRead()
{
    QFETCH(Faults, faults);
    QFETCH(bool, exists);
    if (exists)
        putFile(m_path, kOldRecord);

    const FaultyDevices devices(faults);
    const SettingsFile::Reading reading = SettingsFile(m_path, devices).read();

    QVERIFY(reading.error);
    QCOMPARE(reading.fields, Fields{});
    QCOMPARE(QFile::exists(m_path), exists);
}

void TestSettingsFile::folderNamedLikeTheFile()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("set.dat")));
    putFile(m_path + QStringLiteral("/inside"), kTail);

    const SettingsFile file(m_path);
    const SettingsFile::Reading reading = file.read();
    QVERIFY(reading.error);
    QCOMPARE(reading.fields, Fields{});
    QVERIFY(file.write(kNewTexts));

    QVERIFY(QFileInfo(m_path).isDir());
    QCOMPARE(contentOf(m_path + QStringLiteral("/inside")), kTail);
}

void TestSettingsFile::realPermissions_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("fileWritable");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("readWorks");
    QTest::addColumn<bool>("saved");

    QTest::newRow("read-only file") << true << false << true << true << false;
    QTest::newRow("read-only folder, writable file") << true << true << false << true << true;
    QTest::newRow("read-only folder and file") << true << false << false << true << false;
    QTest::newRow("read-only folder, no file") << false << false << false << false << false;
}

void TestSettingsFile::realPermissions()
{
    // Permissions bind everybody but the superuser; CI runs this test once
    // more as an unprivileged user (see CMakeLists.txt).
    if (geteuid() == 0)
        QSKIP("the superuser writes everywhere");
    QFETCH(bool, fileExists);
    QFETCH(bool, fileWritable);
    QFETCH(bool, folderWritable);
    QFETCH(bool, readWorks);
    QFETCH(bool, saved);

    const QByteArray old = kOldRecord + kTail;
    if (fileExists) {
        putFile(m_path, old);
        if (!fileWritable)
            QVERIFY(QFile::setPermissions(m_path, QFileDevice::ReadOwner));
    }
    const QFileDevice::Permissions folder = QFile::permissions(m_dir->path());
    if (!folderWritable)
        QVERIFY(
            QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    auto restore = qScopeGuard([&] { QFile::setPermissions(m_dir->path(), folder); });

    const SettingsFile file(m_path);
    const SettingsFile::Reading reading = file.read();
    const SettingsError written = file.write(kNewTexts);

    QCOMPARE(!reading.error, readWorks);
    QCOMPARE(!written, saved);
    if (fileExists) {
        QCOMPARE(reading.fields, SettingsRecord::decode(kOldRecord));
        QCOMPARE(contentOf(m_path).toHex(' '), (saved ? kNewRecord + kTail : old).toHex(' '));
    } else {
        QVERIFY(!QFile::exists(m_path));
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
