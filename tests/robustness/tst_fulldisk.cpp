// The settings file on a file system that has run full: no block for new
// data, no inode for a new file, or neither, on the small tmpfs that
// run-on-small-fs.sh mounts and names in KALKORA_SMALL_FS. Saving either
// stores the new record or leaves the old file exactly as it was and says
// so; reading works on a full disk.

#include "settings/settingsfile.h"

#include <QtTest>

using namespace kalkora;

const QStringList kNew = {"-1", "32767", "-32768", "1000", "2", "50", "9"};

class TestFullDisk : public QObject
{
    Q_OBJECT
    const QString m_folder = qEnvironmentVariable("KALKORA_SMALL_FS");

    QByteArray content(const QString &name)
    {
        QFile file(m_folder + u'/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY2(!m_folder.isEmpty() && QDir(m_folder).exists(),
                 "run through run-on-small-fs.sh, which mounts the small file system");
        QDir folder(m_folder);
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
            QVERIFY(folder.remove(name));
    }

    void save_data()
    {
        QTest::addColumn<QByteArray>("initial"); // empty: no file
        QTest::addColumn<bool>("noBlock");
        QTest::addColumn<bool>("noInode");
        QTest::addColumn<bool>("saved");
        const QByteArray old = QByteArray(SettingsRecord::Size, '\x01') + "tail bytes";
        // The replacement file needs a block: the old file stays as it was.
        QTest::newRow("no block free") << old << true << false << false;
        // No temporary file can be made, so the record is written over the old
        // one in place, into blocks the file already has.
        QTest::newRow("no inode free") << old << false << true << true;
        // The block a 5-byte file has already takes the whole record.
        QTest::newRow("neither free, short file grows")
            << QByteArray(5, '\x02') << true << true << true;
        QTest::newRow("no file, no inode free") << QByteArray() << false << true << false;
    }
    void save()
    {
        QFETCH(QByteArray, initial);
        QFETCH(bool, noBlock);
        QFETCH(bool, noInode);
        QFETCH(bool, saved);
        const SettingsFile settings(m_folder + QStringLiteral("/set.dat"));
        if (QFile file(settings.path()); !initial.isEmpty() && file.open(QIODevice::WriteOnly))
            QCOMPARE(file.write(initial), initial.size());
        // Written until the file system takes no more, and empty files made
        // until no inode is left.
        QFile filler(m_folder + QStringLiteral("/filler"));
        if (noBlock && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            while (filler.write(QByteArray(4096, 'x')) > 0 || filler.write("x", 1) > 0) {
            }
        }
        for (int i = 0;
             noInode && QFile(m_folder + u'/' + QString::number(i)).open(QIODevice::WriteOnly); ++i)
            QVERIFY(i < 100'000);

        const SettingsFile::Reading reading = settings.read();
        // Start-up would create the missing file; with no inode it says why not.
        QCOMPARE(bool(reading.error), initial.isEmpty() && noInode);
        QCOMPARE(reading.fields, SettingsRecord::decode(initial));
        const QByteArray old = content(QStringLiteral("set.dat"));
        const QStringList before = QDir(m_folder).entryList(QDir::Files);
        QCOMPARE(!settings.write(kNew), saved);
        QCOMPARE(content(QStringLiteral("set.dat")),
                 saved ? SettingsRecord::encode(kNew, old) : old);
        // Nothing half-made is left in the folder.
        QCOMPARE(QDir(m_folder).entryList(QDir::Files), before);
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
