// What texts stand for: typed numbers, the percentage caption and the
// stored limit record.

#include "core/percentage.h"
#include "core/textvalue.h"
#include "settings/settingsrecord.h"

#include <QLocale>
#include <QTest>

#include <clocale>

using namespace kalkora;

class TestTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data();
    void value();
    void percent_data();
    void percent();
    void stored_data();
    void stored();
    void ignoresTheLocale(); // last: a failure may leave the locale behind
};

void TestTexts::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const auto row = [](const QString &text, double expected) {
        QTest::newRow(qPrintable(u'"' + text + u'"')) << text << expected;
    };
    row(" \t\n", 0);
    row("\t1\n2 3", 123); // blanks, tabs and line feeds are skipped anywhere
    row("1\r2", 1);
    row("+8", 8);
    row("- .25", -0.25);
    row("1.2.3", 1.2);
    row("abc12", 0);
    row("1 E +2", 100);
    row("2e2", 200);
    row("1D2", 100);
    row("15d-1", 1.5);
    row("4E-x", 4);
    row("&Hf1G", 241);
    row("&hA", 10);
    row("& o 17", 15);
    row("&O78", 7);
    row("&H10", 16); // 0 is a digit like any other
    row("&O70", 56);
    row("99999999999999999999", 1e20);
    row("1e999", qInf());
    row("-1e999", -qInf());
    row(QStringLiteral("4\u0663"), 4); // only ASCII digits
}

void TestTexts::value()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(textValue(text), expected);
}

void TestTexts::percent_data()
{
    QTest::addColumn<qint64>("right");
    QTest::addColumn<qint64>("given");
    QTest::addColumn<QString>("expected");
    // The session's checks see "100 %" before any check, " %" for none right and "33 %".
    QTest::newRow("12.5 rounds up") << qint64(1) << qint64(8) << "13 %";
    QTest::newRow("0.5 rounds up") << qint64(1) << qint64(200) << "1 %";
    QTest::newRow("beyond 16 bits") << qint64(40000) << qint64(40001) << "100 %";
}

void TestTexts::percent()
{
    QFETCH(qint64, right);
    QFETCH(qint64, given);
    QFETCH(QString, expected);
    QCOMPARE(percentCaption(right, given), expected);
}

void TestTexts::stored_data()
{
    QTest::addColumn<QString>("texts"); // the seven limit texts, blank between
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QByteArray>("before");
    const auto row = [](const char *name, const char *texts, const char *after,
                        const char *before = "") {
        QTest::newRow(name) << QString(texts) << QByteArray::fromHex(after)
                            << QByteArray::fromHex(before);
    };
    row("low byte first", "1 2 3 -3 256 4660 -1", "0100 0200 0300 FDFF 0001 3412 FFFF");
    row("halves to even", "2.5 3.5 -2.5 1.4 -0.6 32766.5 9", "0200 0400 FEFF 0100 FFFF FE7F 0900");
    row("clamped", "32767.5 -32768.5 40000 1e999 -1e9 32768 -32769",
        "FF7F 0080 FF7F FF7F 0080 FF7F 0080");
    row("short file", "1 2 3 4 5 6 7", "0100 0200 0300 0400 0500 0600 0700", "DEAD BEEF 01");
    row("bytes past the record stay", "1 2 3 4 5 6 7",
        "0100 0200 0300 0400 0500 0600 0700 DEAD BEEF 0001",
        "FFFF FFFF FFFF FFFF FFFF FFFF FFFF DEAD BEEF 0001");
}

void TestTexts::stored()
{
    QFETCH(QString, texts);
    QFETCH(QByteArray, after);
    QFETCH(QByteArray, before);
    const QStringList list = texts.split(u' ');
    QCOMPARE(SettingsRecord::encode(list, before).toHex(' '), after.toHex(' '));
    // Read back, a byte short of the record: every whole field, none of the last.
    const SettingsRecord::Fields fields = SettingsRecord::decode(after.first(13));
    for (int i = 0; i < SettingsRecord::FieldCount; ++i)
        QCOMPARE(fields[i],
                 i < 6 ? std::optional(SettingsRecord::fieldValue(list[i])) : std::nullopt);
}

void TestTexts::ignoresTheLocale()
{
    // Under a Hungarian locale, C's and Qt's alike, "." is still the point.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QVERIFY(std::setlocale(LC_ALL, "hu_HU.UTF-8"));
    QCOMPARE(*std::localeconv()->decimal_point, ',');
    QCOMPARE(textValue(u"2.5"), 2.5);
    QCOMPARE(textValue(u"2,5"), 2.0);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_textvalue.moc"
