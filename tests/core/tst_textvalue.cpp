#include "percentage.h"
#include "textvalue.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace kalkora;

class TestTextValue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data();
    void value();
    void ignoresTheLocale();
    void percent_data();
    void percent();
};

void TestTextValue::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("blank inside") << "1 2" << 12.0;
    QTest::newRow("tab and line feed inside") << "\t1\n2 3" << 123.0;
    QTest::newRow("carriage return ends") << "1\r2" << 1.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("plus sign") << "+8" << 8.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("two signs") << "--3" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("fraction") << "7.5" << 7.5;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("signed leading point") << "-.25" << -0.25;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("comma is no point") << "1,5" << 1.0;
    QTest::newRow("letters after") << "12abc" << 12.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent e") << "2e2" << 200.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent d negative") << "15d-1" << 1.5;
    QTest::newRow("exponent plus") << "3E+1" << 30.0;
    QTest::newRow("exponent with blanks") << "1 E 2" << 100.0;
    QTest::newRow("exponent without digits") << "4E" << 4.0;
    QTest::newRow("exponent sign without digits") << "4E-x" << 4.0;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other letter") << "&X1" << 0.0;
    QTest::newRow("huge digits") << "99999999999999999999" << 1e20;
    QTest::newRow("1e308") << "1e308" << 1e308;
    QTest::newRow("1e999 overflows") << "1e999" << inf;
    QTest::newRow("-1e999 overflows") << "-1e999" << -inf;
    QTest::newRow("1e-999 underflows") << "1e-999" << 0.0;
    QTest::newRow("non-ASCII digit ends") << QStringLiteral("4\u0663") << 4.0;
    QTest::newRow("no-break space is no blank") << QStringLiteral("1\u00A02") << 1.0;
}

void TestTextValue::value()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(textValue(text), expected);
}

void TestTextValue::ignoresTheLocale()
{
    // A Hungarian user's decimal comma changes nothing: "." is the point.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    QVERIFY(std::setlocale(LC_ALL, "hu_HU.UTF-8"));
    QCOMPARE(*std::localeconv()->decimal_point, ',');
    QCOMPARE(textValue(u"2.5"), 2.5);
    QCOMPARE(textValue(u"2,5"), 2.0);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(saved);
}

void TestTextValue::percent_data()
{
    QTest::addColumn<qint64>("right");
    QTest::addColumn<qint64>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("before any check") << qint64(0) << qint64(0) << "100 %";
    QTest::newRow("none right") << qint64(0) << qint64(1) << " %";
    QTest::newRow("a third") << qint64(1) << qint64(3) << "33 %";
    QTest::newRow("two thirds") << qint64(2) << qint64(3) << "67 %";
    QTest::newRow("12.5 rounds up") << qint64(1) << qint64(8) << "13 %";
    QTest::newRow("37.5 rounds up") << qint64(3) << qint64(8) << "38 %";
    QTest::newRow("62.5 rounds up") << qint64(5) << qint64(8) << "63 %";
    QTest::newRow("0.5 rounds up") << qint64(1) << qint64(200) << "1 %";
    QTest::newRow("below one half") << qint64(1) << qint64(201) << " %";
    QTest::newRow("half") << qint64(1) << qint64(2) << "50 %";
    QTest::newRow("all right") << qint64(5) << qint64(5) << "100 %";
    QTest::newRow("beyond 16 bits") << qint64(40000) << qint64(40001) << "100 %";
}

void TestTextValue::percent()
{
    QFETCH(qint64, right);
    QFETCH(qint64, given);
    QFETCH(QString, expected);
    QCOMPARE(percentCaption(right, given), expected);
}

QTEST_GUILESS_MAIN(TestTextValue)
#include "tst_textvalue.moc"
