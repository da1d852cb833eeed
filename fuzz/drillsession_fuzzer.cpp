// SPDX-License-Identifier: GPL-3.0-or-later
// Plays arbitrary sequences of page events against the five drill sessions,
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

#include <QString>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace kalkora;

namespace {

enum Page { Addition, Subtraction, Completion, Multiplication, Division, PageCount };

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

[[noreturn]] void fail(int page, const char *what, const DrillSession &s)
{
    std::fprintf(stderr,
                 "page %d: %s (problem %lld, %lld kind %d; given %lld right %lld wrong %lld)\n",
                 page, what, static_cast<long long>(s.problem().first),
                 static_cast<long long>(s.problem().second), int(s.problem().kind),
                 static_cast<long long>(s.given()), static_cast<long long>(s.right()),
                 static_cast<long long>(s.wrong()));
    std::abort();
}

void require(bool ok, int page, const char *what, const DrillSession &s)
{
    if (!ok)
        fail(page, what, s);
}

// The problem on the page must be one its drawing may pose under the limits
// in force (those the drawing read, a blocking limit already replaced).
void requireWithinLimits(int page, const DrillSession &s, Drawing drawing)
{
    const bool ok = test::admissible(Drill(page), s.problem(), s.limitValues(), drawing);
    require(ok, page, "problem outside the page's limits", s);
}

void requireCounters(int page, const DrillSession &s)
{
    require(s.right() + s.wrong() == s.given(), page, "right + wrong != given", s);
    if (s.history())
        require(s.history()->rowCount() == s.given(), page, "history rows != given", s);
    const QString percent = s.percentText();
    require(percent.endsWith(QStringLiteral(" %")), page, "percentage caption", s);
    if (percent.size() > 2) {
        bool digits = false;
        const int shown = percent.chopped(2).toInt(&digits);
        require(digits && shown >= 1 && shown <= 100, page, "percentage out of range", s);
    }
}

QString rightAnswer(const DrillSession &s)
{
    const double expected = s.rules().expected(s.problem());
    if (expected == std::floor(expected) && std::abs(expected) < 1e15)
        return decimalText(qint64(expected));
    return QString::number(expected, 'g', 17);
}

void check(int page, DrillSession &s, CountingRandom &random, const QString &answer)
{
    const Problem before = s.problem();
    const qint64 given = s.given();
    const qint64 draws = random.draws;
    const bool shouldBeRight = !answer.isEmpty() && textValue(answer) == s.rules().expected(before);

    const Verdict verdict = s.check(answer);

    if (answer.isEmpty()) {
        require(verdict == Verdict::Ignored && s.given() == given && s.problem() == before, page,
                "an empty answer changed the page", s);
        return;
    }
    require(s.given() == given + 1, page, "a check did not count once", s);
    require(verdict == (shouldBeRight ? Verdict::Right : Verdict::Wrong), page, "wrong verdict", s);
    require(s.banner() == (shouldBeRight ? Banner::Right : Banner::Wrong), page,
            "banner does not match the verdict", s);
    if (HistoryModel *history = s.history()) {
        const int row = history->rowCount() - 1;
        const auto cell = [&](int column) {
            return history->data(history->index(row, column)).toString();
        };
        require(cell(HistoryModel::FirstColumn) == decimalText(before.first) &&
                    cell(HistoryModel::SecondColumn) == decimalText(before.second) &&
                    cell(HistoryModel::AnswerColumn) == (shouldBeRight ? answer : QString()),
                page, "history row does not record the check", s);
    }
    if (!shouldBeRight) {
        require(s.problem() == before && random.draws == draws, page,
                "a wrong answer changed the problem", s);
        return;
    }
    require(random.draws - draws <= 2 * qint64(kMaxAttempts), page, "unbounded drawing", s);
    requireWithinLimits(page, s, Drawing::Next);
    if (page == Completion)
        require(s.problem().kind == completionKindToDraw(Drawing::Next, before), page,
                "completion kinds do not alternate", s);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    FuzzClock clock(in);
    CountingRandom random(clock);
    DrawnProblems drawn(random);
    std::array<std::unique_ptr<DrillSession>, PageCount> sessions;

    // Stored limits reach the sessions before their first problems, unchecked,
    // as start-up puts them into the fields.
    const uint8_t stored = in.byte();
    for (int page = 0; page < PageCount; ++page) {
        sessions[page] = std::make_unique<DrillSession>(rulesOf(Drill(page)), drawn);
        DrillSession &s = *sessions[page];
        for (int slot = 0; slot < s.limitCount(); ++slot) {
            if (stored & (1 << (page + slot)))
                s.setLimitText(slot, decimalText(qint16(in.byte() | (in.byte() << 8))));
        }
        const qint64 draws = random.draws;
        s.poseFirstProblem();
        require(random.draws - draws <= 2 * qint64(kMaxAttempts), page, "unbounded drawing", s);
        requireWithinLimits(page, s, Drawing::First);
        requireCounters(page, s);
    }

    for (int event = 0; event < kMaxEvents && !in.atEnd(); ++event) {
        const uint8_t op = in.byte();
        const int page = in.byte() % PageCount;
        DrillSession &s = *sessions[page];
        const int slot = in.byte() % s.limitCount();
        switch (op % 8) {
        case 0:
            check(page, s, random, rightAnswer(s));
            break;
        case 1: // the right number with blanks and trailing letters
            check(page, s, random,
                  QString(u' ' + rightAnswer(s) + QStringLiteral(" \t") + in.text()));
            break;
        case 2:
            check(page, s, random, in.text());
            break;
        case 3:
            check(page, s, random, QString());
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
            const double minimum = s.rules().limits()[std::size_t(slot)].minimum;
            require(textValue(s.limitText(slot)) >= minimum, page, "left limit below minimum", s);
            require(changed == (s.limitText(slot) != before), page, "leaveLimit misreports", s);
            break;
        }
        default: // the banner timer's tick reaches every page
            for (auto &other : sessions) {
                const bool showing = other->banner() != Banner::Hidden;
                require(other->hideBanner() == showing && other->banner() == Banner::Hidden, page,
                        "tick did not hide the banner", *other);
            }
            break;
        }
        requireCounters(page, s);
    }
    return 0;
}
