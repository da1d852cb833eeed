// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drillsession.h"

#include "core/historymodel.h"
#include "core/percentage.h"
#include "core/problemsource.h"
#include "core/textvalue.h"

#include <algorithm>

namespace kalkora {

DrillSession::DrillSession(Drill drill, ProblemSource &problems)
    : m_drill(drill), m_rules(rulesOf(drill)), m_facts(factsOf(drill)), m_problems(problems)
{
    for (int i = 0; i < m_facts.limitCount; ++i)
        m_limitTexts << decimalText(qint64(m_facts.limits[i].initial));
    if (m_facts.keepsHistory)
        m_history = std::make_unique<HistoryModel>();
}

DrillSession::~DrillSession() = default;

QString DrillSession::firstText() const
{
    return decimalText(m_problem.first);
}

QString DrillSession::secondText() const
{
    return decimalText(m_problem.second);
}

QString DrillSession::percentText() const
{
    return percentDigits(m_right, given());
}

void DrillSession::setLimitText(int index, const QString &text)
{
    m_limitTexts[index] = text;
}

bool DrillSession::leaveLimit(int index)
{
    const double minimum = m_facts.limits[index].minimum;
    if (textValue(m_limitTexts.at(index)) >= minimum)
        return false;
    m_limitTexts[index] = decimalText(qint64(minimum));
    return true;
}

LimitValues DrillSession::limitValues() const
{
    LimitValues values{};
    for (int i = 0; i < limitCount(); ++i)
        values[i] = std::min(textValue(m_limitTexts.at(i)), kLimitCap);
    return values;
}

void DrillSession::pose(Drawing drawing)
{
    // A limit that admits no problem at all (only ever a stored one: typed
    // limits pass the minimum when the field is left) would keep the drawing
    // from ending. Such a field gets its minimum first; a limit that admits
    // even one problem is used as it is.
    const LimitValues values = limitValues();
    const LimitValues least = m_rules.leastWorkable(drawing, m_problem);
    for (int i = 0; i < limitCount(); ++i) {
        if (values[i] < least[i])
            m_limitTexts[i] = decimalText(qint64(m_facts.limits[i].minimum));
    }
    m_problem = m_problems.pose(m_drill, limitValues(), drawing, m_problem);
}

void DrillSession::poseFirstProblem()
{
    pose(Drawing::First);
}

Verdict DrillSession::check(const QString &answer)
{
    if (answer.isEmpty())
        return Verdict::Ignored;

    const bool right = textValue(answer) == m_rules.expected(m_problem);
    m_banner = right ? Banner::Right : Banner::Wrong;
    ++(right ? m_right : m_wrong);
    // The row keeps a right answer as typed; a wrong one leaves the answer
    // cell empty, as the field is emptied for another try.
    if (m_history)
        m_history->append(firstText(), secondText(), right ? answer : QString());
    if (right)
        pose(Drawing::Next);
    return right ? Verdict::Right : Verdict::Wrong;
}

bool DrillSession::hideBanner()
{
    const bool shown = m_banner != Banner::Hidden;
    m_banner = Banner::Hidden;
    return shown;
}

} // namespace kalkora
