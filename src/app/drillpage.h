// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/pagetable.h"
#include "app/twips.h"

#include <QList>
#include <QWidget>

#include <utility>

class QAbstractButton;
class QLineEdit;

namespace kalkora {

class DrillSession;
class VerdictBanner;

// One drill page, built from its table: the controls, their places and looks
// come from the PageTable, everything they show from the page's DrillSession.
// The page keeps no state of its own: it shows the session and hands it what
// the user types.
class DrillPage final : public QWidget
{
    Q_OBJECT
public:
    DrillPage(const PageTable &table, DrillSession &session, const Twips &twips,
              QWidget *parent = nullptr);

    const PageTable &table() const { return m_table; }
    const DrillSession &session() const { return m_session; }
    // The control of a row of the table.
    QWidget *control(std::size_t row) const { return m_controls.at(qsizetype(row)); }
    QLineEdit *answerField() const { return m_answer; }
    QAbstractButton *checkButton() const { return m_button; }
    QLineEdit *limitField(int limit) const { return m_limits.at(limit); }
    // The controls that take the focus, each with its window-wide tab index.
    QList<std::pair<int, QWidget *>> focusables() const;

    // Brings every control in line with the session.
    void showState();

Q_SIGNALS:
    // A non-empty answer was judged.
    void checked();

public Q_SLOTS:
    void check();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *createControl(const ControlRow &row, const Twips &twips);

    const PageTable &m_table;
    DrillSession &m_session;
    QList<QWidget *> m_controls; // by table row
    QLineEdit *m_answer = nullptr;
    QAbstractButton *m_button = nullptr;
    VerdictBanner *m_banner = nullptr;
    QList<QLineEdit *> m_limits;
};

} // namespace kalkora
