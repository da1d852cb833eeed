#pragma once

#include "drillsession.h"
#include "pagetable.h"

#include <QList>
#include <QWidget>

#include <utility>

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace kalkora {

class RandomSource;
class Twips;

// One drill page, built from its table: the controls, their places and looks
// come from the PageTable, the behaviour from a DrillSession on the page's
// rules. The page shows the session; it keeps no state of its own.
class DrillPage final : public QWidget
{
    Q_OBJECT
public:
    DrillPage(const PageTable &table, RandomSource &random, const Twips &twips,
              QWidget *parent = nullptr);

    const PageTable &table() const { return m_table; }
    DrillSession &session() { return m_session; }
    QLineEdit *answerField() const { return m_answer; }
    QAbstractButton *checkButton() const { return m_button; }
    QLineEdit *limitField(int slot) const { return m_limits.at(slot); }
    // The controls that take the focus, each with its window-wide tab index.
    QList<std::pair<int, QWidget *>> focusables() const { return m_focusables; }

    void poseFirstProblem();
    void hideBanner();

Q_SIGNALS:
    // A non-empty answer was judged.
    void checked();

public Q_SLOTS:
    void check();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *createControl(const ControlRow &control);
    void showState();

    const PageTable &m_table;
    DrillSession m_session;
    QLineEdit *m_answer = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_first = nullptr;
    QLabel *m_second = nullptr;
    QLabel *m_banner = nullptr;
    QLabel *m_given = nullptr;
    QLabel *m_right = nullptr;
    QLabel *m_wrong = nullptr;
    QLabel *m_percent = nullptr;
    QList<QLineEdit *> m_limits;
    QList<std::pair<int, QLabel *>> m_kindSigns;
    QList<std::pair<int, QWidget *>> m_focusables;
};

} // namespace kalkora
