#include "settingsrecord.h"

#include <QTest>

using namespace kalkora;

class TestSettingsRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stored_data();
    void stored();
};

void TestSettingsRecord::stored_data()
{
    QTest::addColumn<QString>("texts"); // the seven limit texts, blank between
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const auto row = [](const char *name, const char *texts, const char *before,
                        const char *after) {
        QTest::newRow(name) << QString(texts) << QByteArray::fromHex(before)
                            << QByteArray::fromHex(after);
    };
    row("initial limits", "50 50 50 50 5 50 5", "", "3200 3200 3200 3200 0500 3200 0500");
    row("low byte first", "1 2 3 -3 256 4660 -1", "", "0100 0200 0300 FDFF 0001 3412 FFFF");
    row("nearest, halves to even", "2.5 3.5 6.5 7.5 -2.5 1.4 -0.6", "",
        "0200 0400 0600 0800 FEFF 0100 FFFF");
    row("extremes", "32767 -32768 32766.5 32767.5 -32768.5 0 12abc", "",
        "FF7F 0080 FE7F FF7F 0080 0000 0C00");
    row("held within 16 bits", "40000 -1e9 1e308 1e999 &HFFFF 32768 -32769", "",
        "FF7F 0080 FF7F FF7F FF7F FF7F 0080");
    row("bytes past the record stay", "1 2 3 4 5 6 7",
        "0000 0000 0000 0000 0000 0000 0000 DEAD BEEF 0001",
        "0100 0200 0300 0400 0500 0600 0700 DEAD BEEF 0001");
}

void TestSettingsRecord::stored()
{
    QFETCH(QString, texts);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(SettingsRecord::encode(texts.split(u' '), before).toHex(' '), after.toHex(' '));
}

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
