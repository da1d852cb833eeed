// SPDX-License-Identifier: GPL-3.0-or-later
// Plays arbitrary sequences of page events against every drill's session,
// the way the window delivers them: typed answers (right ones, wrong ones,
// any text at all), checks of an empty field, limit fields edited to any text
// and left, and ticks of the banner timer. After every event it checks what
// must always hold: right + wrong == given == history rows, a check counts
// exactly when the answer is not empty, a right answer poses a new problem
// that lies within the page's limits and a wrong one keeps the problem, a left
// limit field is never below its minimum, and no drawing runs unbounded.
//
// The numbers come from the program's own generator; the fuzzer controls the
// clock readings it is seeded with.

#include "core/drills.h"
#include "core/drillsession.h"
#include "core/historymodel.h"
#include "core/problemsource.h"
#include "core/random.h"
#include "core/textvalue.h"
#include "fuzzinput.h"
#include "support/admissible.h"
#include "support/rightanswer.h"

#include <QMetaEnum>
#include <QString>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace kalkora;

namespace {

// Enough events to reach deep states; few enough that one input stays fast
// even when every check draws at the tightest limits.
constexpr int kMaxEvents = 32;

class FuzzClock final : public Clock
{
public:
    explicit FuzzClock(fuzz::FuzzInput &in) : m_in(in) {}
    quint64 reading() const override { return m_in.word(); }

private:
    fuzz::FuzzInput &m_in;
};

// The real generator, with every draw counted so that a drawing that does not
// end is caught rather than waited for.
class CountingRandom final : public RandomSource
{
public:
    explicit CountingRandom(const Clock &clock) : m_generator(clock) {}
    float next() override
    {
        ++draws;
        return m_generator.next();
    }
    void seedFromClock() override { m_generator.seedFromClock(); }
    qint64 draws = 0;

private:
    Generator m_generator;
};

[[noreturn]] void fail(const char *what, const DrillSession &s)
{
    std::fprintf(stderr, "%s: %s (problem %lld, %lld kind %d; given %lld right %lld wrong %lld)\n",
                 QMetaEnum::fromType<Drill>().valueToKey(int(s.drill())), what,
                 static_cast<long long>(s.problem().first),
                 static_cast<long long>(s.problem().second), int(s.problem().kind),
                 static_cast<long long>(s.given()), static_cast<long long>(s.right()),
                 static_cast<long long>(s.wrong()));
    std::abort();
}

void require(bool ok, const char *what, const DrillSession &s)
{
    if (!ok)
        fail(what, s);
}

// The problem on the page must be one its drawing may pose under the limits
// in force (those the drawing read, a blocking limit already replaced).
void requireWithinLimits(const DrillSession &s, Drawing drawing)
{
    const bool ok = test::admissible(s.drill(), s.problem(), s.limitValues(), drawing);
    require(ok, "problem outside the page's limits", s);
}

void requireCounters(const DrillSession &s)
{
    require(s.right() + s.wrong() == s.given(), "right + wrong != given", s);
    if (s.history())
        require(s.history()->rowCount() == s.given(), "history rows != given", s);
    const QString percent = s.percentText();
    if (!percent.isEmpty()) {
        bool digits = false;
        const int shown = percent.toInt(&digits);
        require(digits && shown >= 1 && shown <= 100, "percentage out of range", s);
    }
}

void check(DrillSession &s, CountingRandom &random, const QString &answer)
{
    const Problem before = s.problem();
    const qint64 given = s.given();
    const qint64 draws = random.draws;
    const bool shouldBeRight = !answer.isEmpty() && textValue(answer) == s.rules().expected(before);

    const Verdict verdict = s.check(answer);

    if (answer.isEmpty()) {
        require(verdict == Verdict::Ignored && s.given() == given && s.problem() == before,
                "an empty answer changed the page", s);
        return;
    }
    require(s.given() == given + 1, "a check did not count once", s);
    require(verdict == (shouldBeRight ? Verdict::Right : Verdict::Wrong), "wrong verdict", s);
    require(s.banner() == (shouldBeRight ? Banner::Right : Banner::Wrong),
            "banner does not match the verdict", s);
    if (HistoryModel *history = s.history()) {
        const int row = history->rowCount() - 1;
        const auto cell = [&](int column) {
            return history->data(history->index(row, column)).toString();
        };
        require(cell(HistoryModel::FirstColumn) == decimalText(before.first) &&
                    cell(HistoryModel::SecondColumn) == decimalText(before.second) &&
                    cell(HistoryModel::AnswerColumn) == (shouldBeRight ? answer : QString()),
                "history row does not record the check", s);
    }
    if (!shouldBeRight) {
        require(s.problem() == before && random.draws == draws,
                "a wrong answer changed the problem", s);
        return;
    }
    require(random.draws - draws <= 2 * qint64(kMaxAttempts), "unbounded drawing", s);
    requireWithinLimits(s, Drawing::Next);
    if (s.drill() == Drill::Completion)
        require(s.problem().kind == completionKindToDraw(Drawing::Next, before),
                "completion kinds do not alternate", s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    FuzzClock clock(in);
    CountingRandom random(clock);
    DrawnProblems drawn(random);
    std::array<std::unique_ptr<DrillSession>, kDrillCount> sessions;

    // Stored limits reach the sessions before their first problems, unchecked,
    // as start-up puts them into the fields: one bit of the first byte for
    // each field of the record says whether it holds one.
    const uint8_t stored = in.byte();
    int field = 0;
    for (std::size_t i = 0; i < kDrillCount; ++i) {
        sessions[i] = std::make_unique<DrillSession>(kDrills[i].drill, drawn);
        DrillSession &s = *sessions[i];
        for (int slot = 0; slot < s.limitCount(); ++slot) {
            if (stored & (1 << field++))
                s.setLimitText(slot, decimalText(qint16(in.byte() | (in.byte() << 8))));
        }
        const qint64 draws = random.draws;
        s.poseFirstProblem();
        require(random.draws - draws <= 2 * qint64(kMaxAttempts), "unbounded drawing", s);
        requireWithinLimits(s, Drawing::First);
        requireCounters(s);
    }

    for (int event = 0; event < kMaxEvents && !in.atEnd(); ++event) {
        const uint8_t op = in.byte();
        DrillSession &s = *sessions[in.byte() % kDrillCount];
        const int slot = in.byte() % s.limitCount();
        switch (op % 8) {
        case 0:
            check(s, random, test::rightAnswer(s));
            break;
        case 1: // the right number with blanks and trailing letters
            check(s, random,
                  QString(u' ' + test::rightAnswer(s) + QStringLiteral(" \t") + in.text()));
            break;
        case 2:
            check(s, random, in.text());
            break;
        case 3:
            check(s, random, QString());
            break;
        case 4:
            s.setLimitText(slot, in.text());
            break;
        case 5: // a small limit, where drawings are tightest
            s.setLimitText(slot, decimalText(qint8(in.byte())));
            break;
        case 6: {
            const QString before = s.limitText(slot);
            const bool changed = s.leaveLimit(slot);
            const double minimum = s.facts().limits[slot].minimum;
            require(textValue(s.limitText(slot)) >= minimum, "left limit below minimum", s);
            require(changed == (s.limitText(slot) != before), "leaveLimit misreports", s);
            break;
        }
        default: // the banner timer's tick reaches every page
            for (auto &other : sessions) {
                const bool showing = other->banner() != Banner::Hidden;
                require(other->hideBanner() == showing && other->banner() == Banner::Hidden,
                        "tick did not hide the banner", *other);
            }
            break;
        }
        requireCounters(s);
    }
    return 0;
}
