#include "allrules.h"
#include "drillsession.h"
#include "fakerandom.h"
#include "textvalue.h"

#include <QTest>

#include <limits>

using namespace kalkora;
using namespace kalkora::test;

namespace {

// A limit field in the order of the settings record, and the smallest stored
// value with which its page has a first problem at all; below it, the field
// gets its minimum. The first multiplication problem does not use the
// multiplier, so no multiplier blocks it.
struct Field
{
    Page page;
    int slot;
    int smallestUsable;
};

} // namespace

Q_DECLARE_METATYPE(Field)

class TestStoredLimits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyStoredValueStartsUp_data();
    void everyStoredValueStartsUp();
};

void TestStoredLimits::everyStoredValueStartsUp_data()
{
    QTest::addColumn<Field>("field");
    QTest::newRow("MaxPlusz") << Field{Add, 0, 2};
    QTest::newRow("KivMax") << Field{Sub, 0, 2};
    QTest::newRow("PotlasMax") << Field{Compl, 0, 4};
    QTest::newRow("MaxSz") << Field{Mult, 0, 4};
    QTest::newRow("MaxSzorzo") << Field{Mult, 1, std::numeric_limits<int>::min()};
    QTest::newRow("MaxO") << Field{Div, 0, 4};
    QTest::newRow("MaxOszto") << Field{Div, 1, 2};
}

void TestStoredLimits::everyStoredValueStartsUp()
{
    QFETCH(Field, field);
    FakeClock clock;
    Generator generator(clock);
    const double minimum = kRules[field.page]->limits().at(field.slot).minimum;

    for (int value = -32768; value <= 32767; ++value) {
        clock.value = quint64(value) * 2654435761u;
        // Start-up: the stored value into its field, the other fields as
        // they start, then each page's first problem in tab order.
        std::vector<std::unique_ptr<DrillSession>> pages;
        for (const DrillRules *rules : kRules)
            pages.push_back(std::make_unique<DrillSession>(*rules, generator));
        pages[field.page]->setLimitText(field.slot, decimalText(value));
        for (int p = Add; p <= Div; ++p) {
            DrillSession &page = *pages[p];
            page.poseFirstProblem();
            const Problem &posed = page.problem();
            if (!admissible(Page(p), posed, page.limitValues(), Drawing::First))
                QFAIL(qPrintable(QStringLiteral("stored %1: page %2 posed ").arg(value).arg(p) +
                                 QLatin1String(toString(posed))));
        }
        const QString shown = pages[field.page]->limitText(field.slot);
        const QString expected =
            decimalText(value >= field.smallestUsable ? value : qint64(minimum));
        if (shown != expected)
            QFAIL(qPrintable(QStringLiteral("stored %1 shows as %2").arg(value).arg(shown)));
    }
}

QTEST_GUILESS_MAIN(TestStoredLimits)
#include "tst_storedlimits.moc"
