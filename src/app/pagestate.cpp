// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/pagestate.h"

#include "app/wording.h"
#include "core/drillsession.h"
#include "core/percentage.h"
#include "core/textvalue.h"

#include <QStringList>

namespace kalkora {
namespace {

bool isSign(Role role)
{
    return role == Role::Sign || role == Role::BoldSign || role == Role::CentredSign;
}

// How a screen reader says a sign of a problem: "plusz" for "+".
QString signWord(QStringView sign)
{
    for (const auto &[shown, spoken] : kSignWords) {
        if (shown == sign)
            return spoken.toString();
    }
    return sign.toString();
}

bool isShown(const ControlRow &row, const DrillSession &session)
{
    return !row.shownFor || *row.shownFor == session.problem().kind;
}

QString operandText(const ControlRow &row, const DrillSession &session)
{
    return row.role == Role::FirstOperand ? session.firstText() : session.secondText();
}

// The problem as it reads from left to right, with the answer field as the
// unknown: "7 plusz 2 egyenlő mennyi?", "5 plusz mennyi egyenlő 12?".
QString problemDescription(const PageTable &table, const DrillSession &session)
{
    QStringList words;
    for (const ControlRow &c : table.controls) {
        if (c.role == Role::Answer)
            words << kUnknown.toString();
        else if (isSign(c.role) && isShown(c, session))
            words << signWord(c.text);
        else if (c.role == Role::FirstOperand || c.role == Role::SecondOperand)
            words << operandText(c, session);
    }
    return kProblem + QLatin1Char(' ') + words.join(QLatin1Char(' ')) + QLatin1Char('?');
}

} // namespace

ControlState controlState(const PageTable &table, std::size_t row, const DrillSession &session)
{
    const ControlRow &c = table.controls[row];
    ControlState state{c.text.toString(), isShown(c, session), {}, {}};
    const auto counter = [&](QStringView caption, qint64 value) {
        state.text = decimalText(value);
        state.name = caption + QLatin1Char(' ') + *state.text;
    };
    switch (c.role) {
    case Role::FirstOperand:
    case Role::SecondOperand:
        state.text = operandText(c, session);
        state.name = (c.role == Role::FirstOperand ? table.firstName : table.secondName) +
                     QStringLiteral(": ") + *state.text;
        break;
    case Role::Sign:
    case Role::BoldSign:
    case Role::CentredSign:
        state.name = signWord(c.text);
        break;
    case Role::Answer:
        state.text.reset();
        state.name = kAnswer.toString();
        state.description = problemDescription(table, session);
        break;
    case Role::CheckButton:
        state.name = state.text;
        state.description = kCheckDescription.toString();
        break;
    case Role::Given:
        // "Felaldva: 3 feladat": the word after the counter belongs to it.
        counter(kGivenCaption, session.given());
        *state.name += QLatin1Char(' ') + kGivenAfter;
        break;
    case Role::Right:
        counter(kRightCaption, session.right());
        break;
    case Role::Wrong:
        counter(kWrongCaption, session.wrong());
        break;
    case Role::Percent:
        state.text = session.percentText() + kPercentSign;
        // Below one half the label shows no digits at all; a listener hears the 0.
        state.name = kPercentName + QLatin1Char(' ') +
                     QString::number(percentOf(session.right(), session.given())) + kPercentSign;
        break;
    case Role::Limit:
        state.text = session.limitText(c.limit);
        state.name = c.text.toString();
        break;
    case Role::History:
        state.text.reset();
        state.name = kHistoryName.toString();
        break;
    case Role::Banner: // the banner shows its verdict itself
    case Role::Caption:
    case Role::CaptionAfter:
        break;
    }
    return state;
}

} // namespace kalkora
