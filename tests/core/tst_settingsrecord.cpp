#include "settingsrecord.h"

#include <QTest>

#include <optional>

using namespace kalkora;

using Fields = SettingsRecord::Fields;
Q_DECLARE_METATYPE(Fields)

namespace QTest {
template <> char *toString(const Fields &fields)
{
    QStringList shown;
    for (const std::optional<qint16> &field : fields)
        shown << (field ? QString::number(*field) : QStringLiteral("-"));
    return qstrdup(shown.join(u' ').toUtf8().constData());
}
} // namespace QTest

namespace {

// Writes a whole record as "32 00 ..." so that a failure shows the bytes.
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QStringList kInitialTexts = {QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("50"),
                                   QStringLiteral("50"), QStringLiteral("5"),  QStringLiteral("50"),
                                   QStringLiteral("5")};

QStringList withField(int index, const QString &text)
{
    QStringList texts = kInitialTexts;
    texts[index] = text;
    return texts;
}

} // namespace

class TestSettingsRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decode_data();
    void decode();
    void fieldValue_data();
    void fieldValue();
    void encode_data();
    void encode();
};

void TestSettingsRecord::decode_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Fields>("expected");

    const std::nullopt_t no = std::nullopt;
    QTest::newRow("empty file") << QByteArray() << Fields{};
    QTest::newRow("1 byte: no whole field") << hex("07") << Fields{};
    QTest::newRow("2 bytes: first field only") << hex("0700") << Fields{7, no, no, no, no, no, no};
    QTest::newRow("3 bytes: half of the second is no field")
        << hex("0700 09") << Fields{7, no, no, no, no, no, no};
    QTest::newRow("13 bytes: six fields")
        << hex("0100 0200 0300 0400 0500 0600 07") << Fields{1, 2, 3, 4, 5, 6, no};
    QTest::newRow("initial limits")
        << hex("3200 3200 3200 3200 0500 3200 0500") << Fields{50, 50, 50, 50, 5, 50, 5};
    QTest::newRow("low byte first")
        << hex("3412 0000 0000 0000 0000 0000 0000") << Fields{0x1234, 0, 0, 0, 0, 0, 0};
    QTest::newRow("minus three") << hex("FDFF 0000 0000 0000 0000 0000 0000")
                                 << Fields{-3, 0, 0, 0, 0, 0, 0};
    QTest::newRow("extremes") << hex("0080 FF7F FFFF 0000 0100 0080 FF7F")
                              << Fields{-32768, 32767, -1, 0, 1, -32768, 32767};
    QTest::newRow("20 bytes: the rest is no field")
        << hex("0100 0200 0300 0400 0500 0600 0700 0800 0900 0A00") << Fields{1, 2, 3, 4, 5, 6, 7};
}

void TestSettingsRecord::decode()
{
    QFETCH(QByteArray, file);
    QFETCH(Fields, expected);
    QCOMPARE(SettingsRecord::decode(file), expected);
}

void TestSettingsRecord::fieldValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain") << "50" << 50;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters after a number") << "12abc" << 12;
    QTest::newRow("negative") << "-3" << -3;
    QTest::newRow("2.5 to even below") << "2.5" << 2;
    QTest::newRow("3.5 to even above") << "3.5" << 4;
    QTest::newRow("6.5 to even below") << "6.5" << 6;
    QTest::newRow("7.5 to even above") << "7.5" << 8;
    QTest::newRow("1.5 to two") << "1.5" << 2;
    QTest::newRow("-2.5 to even") << "-2.5" << -2;
    QTest::newRow("highest") << "32767" << 32767;
    QTest::newRow("lowest") << "-32768" << -32768;
    QTest::newRow("one above the highest") << "32768" << 32767;
    QTest::newRow("typed 40000") << "40000" << 32767;
    QTest::newRow("-1e9") << "-1e9" << -32768;
    QTest::newRow("1e308") << "1e308" << 32767;
    QTest::newRow("overflowing exponent") << "1e999" << 32767;
    QTest::newRow("half above the highest") << "32767.5" << 32767;
    QTest::newRow("half below the highest") << "32766.5" << 32766;
    QTest::newRow("hexadecimal too big for the field") << "&HFFFF" << 32767;
}

void TestSettingsRecord::fieldValue()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(int(SettingsRecord::fieldValue(text)), expected);
}

void TestSettingsRecord::encode_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray initial = hex("3200 3200 3200 3200 0500 3200 0500");
    QTest::newRow("initial limits into an empty file") << kInitialTexts << QByteArray() << initial;
    QTest::newRow("a short file grows to the record")
        << kInitialTexts << hex("0102 0304 05") << initial;
    QTest::newRow("bytes past the record stay")
        << kInitialTexts << hex("0000 0000 0000 0000 0000 0000 0000 DEAD BEEF 0001")
        << hex("3200 3200 3200 3200 0500 3200 0500 DEAD BEEF 0001");
    QTest::newRow("each field in its place")
        << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                       QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                       QStringLiteral("7")}
        << QByteArray() << hex("0100 0200 0300 0400 0500 0600 0700");
    QTest::newRow("minus three in the fourth field")
        << withField(3, QStringLiteral("-3")) << QByteArray()
        << hex("3200 3200 3200 FDFF 0500 3200 0500");
    QTest::newRow("7.5 in the last field") << withField(6, QStringLiteral("7.5")) << QByteArray()
                                           << hex("3200 3200 3200 3200 0500 3200 0800");
    QTest::newRow("6.5 in the first field") << withField(0, QStringLiteral("6.5")) << QByteArray()
                                            << hex("0600 3200 3200 3200 0500 3200 0500");
    QTest::newRow("empty field stored as 0")
        << withField(4, QString()) << QByteArray() << hex("3200 3200 3200 3200 0000 3200 0500");
    QTest::newRow("extremes") << QStringList{QStringLiteral("32767"), QStringLiteral("-32768"),
                                             QStringLiteral("40000"), QStringLiteral("-1e9"),
                                             QStringLiteral("1e308"), QStringLiteral("-1"),
                                             QStringLiteral("256")}
                              << QByteArray() << hex("FF7F 0080 FF7F 0080 FF7F FFFF 0001");
}

void TestSettingsRecord::encode()
{
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    QCOMPARE(SettingsRecord::encode(texts, file).toHex(' '), expected.toHex(' '));
}

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
