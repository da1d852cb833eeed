// The settings file on a file system that has run full: no block for new
// data, no inode for a new file, or neither. It runs on a small tmpfs that
// run-on-small-fs.sh mounts and names in KALKORA_SMALL_FS.
//
// Saving must never cost the old settings: it either stores the new record
// or leaves the old file exactly as it was, and says so when it could not
// save. Reading must work on a full disk, and a missing file that cannot be
// created must be reported, not crash the start.

#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

using namespace kalkora;

namespace {

const QStringList kNew = {QStringLiteral("-1"),   QStringLiteral("32767"), QStringLiteral("-32768"),
                          QStringLiteral("1000"), QStringLiteral("2"),     QStringLiteral("50"),
                          QStringLiteral("9")};

// Writes until the file system refuses another byte.
void fillBlocks(const QString &folder)
{
    QFile filler(folder + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
}

// Creates empty files until no inode is left.
void fillInodes(const QString &folder)
{
    for (int i = 0;; ++i) {
        QFile empty(folder + QStringLiteral("/empty%1").arg(i));
        if (!empty.open(QIODevice::WriteOnly))
            return;
        QVERIFY(i < 100'000);
    }
}

std::optional<QByteArray> content(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void save_data();
    void save();

private:
    QString m_folder;
};

void TestFullDisk::initTestCase()
{
    m_folder = qEnvironmentVariable("KALKORA_SMALL_FS");
    QVERIFY2(!m_folder.isEmpty() && QDir(m_folder).exists(),
             "run through run-on-small-fs.sh, which mounts the small file system");
}

void TestFullDisk::init()
{
    QDir folder(m_folder);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QVERIFY(folder.remove(name));
}

void TestFullDisk::save_data()
{
    QTest::addColumn<std::optional<QByteArray>>("initial"); // nullopt: no file
    QTest::addColumn<bool>("noBlock");
    QTest::addColumn<bool>("noInode");
    QTest::addColumn<bool>("saved");

    const QByteArray record(SettingsRecord::Size, '\x01');
    const QByteArray tail = QByteArrayLiteral("tail bytes");
    // The replacement file needs a block: the old file stays as it was.
    QTest::newRow("no block free") << std::optional(record + tail) << true << false << false;
    // No temporary file can be made, so the record is written over the old
    // one in place, into blocks the file already has.
    QTest::newRow("no inode free") << std::optional(record + tail) << false << true << true;
    QTest::newRow("neither free") << std::optional(record + tail) << true << true << true;
    // The block a 5-byte file has already takes the whole record.
    QTest::newRow("neither free, short file grows")
        << std::optional(QByteArray(5, '\x02')) << true << true << true;
    QTest::newRow("no file, no inode free")
        << std::optional<QByteArray>() << false << true << false;
    QTest::newRow("no file, no block free")
        << std::optional<QByteArray>() << true << false << false;
    QTest::newRow("room to spare") << std::optional(record + tail) << false << false << true;
}

void TestFullDisk::save()
{
    QFETCH(std::optional<QByteArray>, initial);
    QFETCH(bool, noBlock);
    QFETCH(bool, noInode);
    QFETCH(bool, saved);

    const QString path = m_folder + QStringLiteral("/set.dat");
    if (initial) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(*initial), initial->size());
    }
    if (noBlock)
        fillBlocks(m_folder);
    if (noInode)
        fillInodes(m_folder);

    const SettingsFile settings(path);
    const SettingsFile::Reading reading = settings.read();
    if (initial) {
        QVERIFY2(!reading.error, qPrintable(reading.error.value_or(QString())));
        QCOMPARE(reading.fields, SettingsRecord::decode(*initial));
    } else if (noInode) {
        // Start-up would create the empty file; with no inode it says why not.
        QVERIFY(reading.error);
    }

    const std::optional<QByteArray> old = content(path);
    const QStringList before = QDir(m_folder).entryList(QDir::Files);
    const SettingsError error = settings.write(kNew);
    QCOMPARE(!error, saved);
    if (saved)
        QCOMPARE(content(path), std::optional(SettingsRecord::encode(kNew, old.value_or(""))));
    else
        QCOMPARE(content(path), old);
    // Nothing half-made is left in the folder.
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), before);
}

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
