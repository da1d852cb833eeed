// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/drillpage.h"

#include "app/historylist.h"
#include "app/limitfield.h"
#include "app/look.h"
#include "app/pagestate.h"
#include "app/twips.h"
#include "app/verdictbanner.h"
#include "core/drillsession.h"
#include "core/historymodel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>

#include <limits>

namespace kalkora {
namespace {

// Text fields take text of any length (Qt's own limit is 32 767 characters).
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

} // namespace

DrillPage::DrillPage(const PageTable &table, DrillSession &session, const Twips &twips,
                     QWidget *parent)
    : QWidget(parent), m_table(table), m_session(session)
{
    setAccessibleName(table.tabCaption.toString());
    m_limits.resize(session.limitCount());
    const int tabRow = twips.px(kTabRowHeight);
    for (const ControlRow &row : table.controls) {
        QWidget *widget = createControl(row, twips);
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setGeometry(twips.rect(row.box).translated(0, -tabRow));
        applyLook(widget, row.role);
        if (row.tabIndex < 0)
            widget->setFocusPolicy(Qt::NoFocus);
        m_controls.append(widget);
    }
    // A limit's caption, the label that shows the text the field is named
    // by, also labels the field for tools that follow label relations.
    for (std::size_t field = 0; field < table.controls.size(); ++field) {
        for (std::size_t caption = 0; caption < table.controls.size(); ++caption) {
            if (table.controls[field].role == Role::Limit &&
                table.controls[caption].role == Role::Caption &&
                table.controls[caption].text == table.controls[field].text)
                static_cast<QLabel *>(control(caption))->setBuddy(control(field));
        }
    }
    showState();
}

QWidget *DrillPage::createControl(const ControlRow &row, const Twips &twips)
{
    switch (row.role) {
    case Role::Answer:
        m_answer = new QLineEdit(this);
        m_answer->setMaxLength(kNoLengthLimit);
        // Enter presses the check button; the focus stays in the field.
        connect(m_answer, &QLineEdit::returnPressed, this, [this] { m_button->click(); });
        return m_answer;
    case Role::Limit: {
        auto *field = new LimitField(this);
        field->setMaxLength(kNoLengthLimit);
        // What the user types goes to the session, which the field then shows.
        connect(field, &QLineEdit::textEdited, this,
                [this, limit = row.limit](const QString &t) { m_session.setLimitText(limit, t); });
        connect(field, &LimitField::left, this, [this, limit = row.limit] {
            if (m_session.leaveLimit(limit))
                showState();
        });
        m_limits[row.limit] = field;
        return field;
    }
    case Role::CheckButton: {
        auto *button = new QPushButton(row.text.toString(), this);
        // Enter on the focused button presses it, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, &DrillPage::check);
        m_button = button;
        return button;
    }
    case Role::History:
        return createHistoryList(m_session.history(), row.text, twips, this);
    default:
        break;
    }
    QLabel *label =
        row.role == Role::Banner ? m_banner = new VerdictBanner(this) : new QLabel(this);
    label->setTextFormat(Qt::PlainText);
    label->setText(row.text.toString());
    return label;
}

QList<std::pair<int, QWidget *>> DrillPage::focusables() const
{
    QList<std::pair<int, QWidget *>> focusables;
    for (std::size_t row = 0; row < m_table.controls.size(); ++row) {
        if (const int index = m_table.controls[row].tabIndex; index >= 0)
            focusables.append({index, control(row)});
    }
    return focusables;
}

void DrillPage::check()
{
    const Verdict verdict = m_session.check(m_answer->text());
    if (verdict == Verdict::Ignored)
        return;
    Q_EMIT checked();
    showState();
    // A listener hears the verdict, and after a right answer the new problem
    // as the answer field words it.
    m_banner->announce(verdict == Verdict::Right ? m_answer->accessibleDescription() : QString());
    // Wrong: the field is wiped for another try. Right: the next problem is
    // posed and the field made ready for it. Either way it keeps the focus.
    m_answer->clear();
    m_answer->setFocus();
}

void DrillPage::showState()
{
    m_banner->showVerdict(m_session.banner());
    for (std::size_t row = 0; row < m_table.controls.size(); ++row) {
        if (m_table.controls[row].role == Role::Banner)
            continue; // shown above
        const ControlState state = controlState(m_table, row, m_session);
        QWidget *widget = control(row);
        if (auto *label = qobject_cast<QLabel *>(widget); label && state.text) {
            if (label->text() != *state.text)
                label->setText(*state.text);
        } else if (auto *field = qobject_cast<QLineEdit *>(widget);
                   field && state.text && field->text() != *state.text) {
            field->setText(*state.text);
        }
        if (widget->isHidden() == state.visible)
            widget->setVisible(state.visible);
        // Setting a name or description tells a screen reader of a change.
        if (state.name && widget->accessibleName() != *state.name)
            widget->setAccessibleName(*state.name);
        if (state.description && widget->accessibleDescription() != *state.description)
            widget->setAccessibleDescription(*state.description);
    }
}

void DrillPage::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), kPageGreen);
}

} // namespace kalkora
