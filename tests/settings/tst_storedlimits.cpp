#include "additionrules.h"
#include "completionrules.h"
#include "divisionrules.h"
#include "drillsession.h"
#include "fakerandom.h"
#include "multiplicationrules.h"
#include "settingsrecord.h"
#include "subtractionrules.h"
#include "textvalue.h"

#include <QTest>
#include <QtEndian>

#include <limits>
#include <memory>

using namespace kalkora;

namespace {

const AdditionRules kAddition;
const SubtractionRules kSubtraction;
const CompletionRules kCompletion;
const MultiplicationRules kMultiplication;
const DivisionRules kDivision;

// The five pages in tab order; the record holds their limits in this order.
const DrillRules *const kPages[] = {&kAddition, &kSubtraction, &kCompletion, &kMultiplication,
                                    &kDivision};

struct Place
{
    int page;
    int slot;
};
constexpr Place kPlaces[SettingsRecord::FieldCount] = {{0, 0}, {1, 0}, {2, 0}, {3, 0},
                                                       {3, 1}, {4, 0}, {4, 1}};

// A page's first problem within the limits it was drawn by, as the pages'
// own rules describe it; empty when it is valid.
QString firstProblemFault(int page, const Problem &p, const LimitValues &limits)
{
    const qint64 a = p.first;
    const qint64 b = p.second;
    const double l = limits[0];
    bool valid = false;
    switch (page) {
    case 0: // a + b, both below 100, sum within the limit
        valid = a >= 1 && b >= 1 && a <= 99 && b <= 99 && a + b <= l;
        break;
    case 1: // a - b with 1 <= b < a <= limit
        valid = b >= 1 && b < a && a <= l;
        break;
    case 2: // a + ? = b with 2 <= a <= b <= 100, a + b within the limit
        valid =
            p.kind == CompletionRules::kMissingAddend && a >= 2 && a <= b && b <= 100 && a + b <= l;
        break;
    case 3: // factors 2..10, product within the limit; the multiplier waits for the next problem
        valid = a >= 2 && a <= 10 && b >= 2 && b <= 10 && a * b <= l;
        break;
    case 4: // n : d with divisor and quotient 2..11, within both limits
        valid = b >= 2 && b <= 11 && a % b == 0 && a / b >= 2 && a / b <= 11 && a <= l &&
                b <= limits[1];
        break;
    }
    if (valid)
        return {};
    return QStringLiteral("page %1 posed %2, %3 (kind %4) within %5, %6")
        .arg(page)
        .arg(a)
        .arg(b)
        .arg(p.kind)
        .arg(limits[0])
        .arg(limits[1]);
}

// The smallest stored value of each field with which its page has a first
// problem at all; anything below gets the field's minimum. The multiplier is
// not used by the first multiplication problem, so it never blocks it.
constexpr int kSmallestUsable[SettingsRecord::FieldCount] = {
    2, 2, 4, 4, std::numeric_limits<int>::min(), 4, 2};

} // namespace

class TestStoredLimits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyStoredValueStartsUp_data();
    void everyStoredValueStartsUp();
};

void TestStoredLimits::everyStoredValueStartsUp_data()
{
    QTest::addColumn<int>("field");
    const char *names[] = {"MaxPlusz",  "KivMax", "PotlasMax", "MaxSz",
                           "MaxSzorzo", "MaxO",   "MaxOszto"};
    for (int field = 0; field < SettingsRecord::FieldCount; ++field)
        QTest::newRow(names[field]) << field;
}

void TestStoredLimits::everyStoredValueStartsUp()
{
    QFETCH(int, field);
    const QByteArray initial = QByteArray::fromHex("3200 3200 3200 3200 0500 3200 0500");
    test::FakeClock clock;
    Generator generator(clock);

    for (int value = -32768; value <= 32767; ++value) {
        clock.value = quint64(value) * 2654435761u;
        QByteArray file = initial;
        qToLittleEndian<qint16>(qint16(value), file.data() + 2 * field);
        const SettingsRecord::Fields stored = SettingsRecord::decode(file);

        // Start-up: the stored limits into the fields, then each page's first
        // problem in tab order.
        std::vector<std::unique_ptr<DrillSession>> sessions;
        for (const DrillRules *rules : kPages)
            sessions.push_back(std::make_unique<DrillSession>(*rules, generator));
        for (int i = 0; i < SettingsRecord::FieldCount; ++i)
            sessions[kPlaces[i].page]->setLimitText(kPlaces[i].slot, decimalText(*stored[i]));
        for (const auto &session : sessions)
            session->poseFirstProblem();

        for (int page = 0; page < int(sessions.size()); ++page) {
            const DrillSession &s = *sessions[page];
            const QString fault = firstProblemFault(page, s.problem(), s.limitValues());
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("stored %1: ").arg(value) + fault));
        }
        const Place place = kPlaces[field];
        const DrillRules &rules = *kPages[place.page];
        const QString shown = sessions[place.page]->limitText(place.slot);
        const QString expected = value >= kSmallestUsable[field]
                                     ? decimalText(value)
                                     : decimalText(qint64(rules.limits().at(place.slot).minimum));
        if (shown != expected)
            QFAIL(qPrintable(
                QStringLiteral("stored %1 shows as %2, not %3").arg(value).arg(shown, expected)));
    }
}

QTEST_GUILESS_MAIN(TestStoredLimits)
#include "tst_storedlimits.moc"
