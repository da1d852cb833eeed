// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drills.h"

#include <QStringList>

#include <memory>

namespace kalkora {

class HistoryModel;
class ProblemSource;

enum class Banner { Hidden, Right, Wrong };
enum class Verdict { Ignored, Right, Wrong };

// One drill page without its widgets: the problem, the counters, the banner,
// the limit texts and the history, and the check that moves them on. The page
// shows the session and hands it what the user types.
//
// Counters count in 64 bits, so no number of checks in a run can overflow them;
// the given count is right + wrong, and a page with a history has one row per
// check.
class DrillSession
{
public:
    DrillSession(Drill drill, ProblemSource &problems);
    ~DrillSession();
    DrillSession(const DrillSession &) = delete;
    DrillSession &operator=(const DrillSession &) = delete;

    Drill drill() const { return m_drill; }
    const DrillRules &rules() const { return m_rules; }
    const DrillFacts &facts() const { return m_facts; }
    const Problem &problem() const { return m_problem; }
    QString firstText() const;
    QString secondText() const;

    qint64 given() const { return m_right + m_wrong; }
    qint64 right() const { return m_right; }
    qint64 wrong() const { return m_wrong; }
    // The share of right answers as the page shows it: whole percent, no
    // digit at all when it rounds to 0.
    QString percentText() const;
    Banner banner() const { return m_banner; }
    // Null on pages that keep no history.
    HistoryModel *history() const { return m_history.get(); }

    int limitCount() const { return int(m_limitTexts.size()); }
    QString limitText(int index) const { return m_limitTexts.at(index); }
    QStringList limitTexts() const { return m_limitTexts; }
    void setLimitText(int index, const QString &text);
    // Leaving a limit field: a value below the field's minimum becomes the
    // minimum; any other text stays exactly as typed. True when it changed.
    bool leaveLimit(int index);
    // The limits as drawings use them (text values, capped at kLimitCap).
    LimitValues limitValues() const;

    void poseFirstProblem();
    // The answer as typed. An empty text is ignored; anything else is judged by
    // its text value, counted, and after a right answer the next problem posed.
    Verdict check(const QString &answer);
    // The banner timer's tick. True when the banner was showing.
    bool hideBanner();

private:
    void pose(Drawing drawing);

    Drill m_drill;
    const DrillRules &m_rules;
    const DrillFacts &m_facts;
    ProblemSource &m_problems;
    Problem m_problem;
    qint64 m_right = 0;
    qint64 m_wrong = 0;
    Banner m_banner = Banner::Hidden;
    QStringList m_limitTexts;
    std::unique_ptr<HistoryModel> m_history;
};

} // namespace kalkora
