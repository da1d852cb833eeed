// SPDX-License-Identifier: GPL-3.0-or-later
// What texts stand for: typed numbers and the percentage caption.

#include "core/percentage.h"
#include "core/textvalue.h"

#include <QLocale>
#include <QTest>

#include <clocale>

using namespace kalkora;

class TestTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void value_data()
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

    void value()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(textValue(text), expected);
    }

    void percent_data()
    {
        QTest::addColumn<qint64>("right");
        QTest::addColumn<qint64>("given");
        QTest::addColumn<QString>("expected");
        // The session's checks see "100 %" before any check, " %" for none right and "33 %".
        QTest::newRow("12.5 rounds up") << qint64(1) << qint64(8) << "13 %";
        QTest::newRow("0.5 rounds up") << qint64(1) << qint64(200) << "1 %";
        QTest::newRow("2 of 3 rounds up") << qint64(2) << qint64(3) << "67 %";
        QTest::newRow("just below one half") << qint64(1) << qint64(201) << " %";
        QTest::newRow("beyond 16 bits") << qint64(40000) << qint64(40001) << "100 %";
    }

    void percent()
    {
        QFETCH(qint64, right);
        QFETCH(qint64, given);
        QFETCH(QString, expected);
        QCOMPARE(percentCaption(right, given), expected);
    }

    // Last: a failure may leave the locale behind.
    void ignoresTheLocale()
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
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_textvalue.moc"
