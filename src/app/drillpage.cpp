#include "drillpage.h"

#include "historymodel.h"
#include "look.h"
#include "pageaccessibility.h"
#include "textvalue.h"
#include "twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
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

DrillPage::DrillPage(const PageTable &table, RandomSource &random, const Twips &twips,
                     QWidget *parent)
    : QWidget(parent), m_table(table), m_session(table.rules, random)
{
    m_limits.resize(m_session.limitCount());
    const int tabRow = twips.px(kTabRowHeight);
    for (const ControlRow &control : table.controls) {
        QWidget *widget = createControl(control);
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setGeometry(twips.rect(control.left, control.top, control.width, control.height)
                                .translated(0, -tabRow));
        applyLook(widget, control.role);
        if (control.tabIndex >= 0)
            m_focusables.append({control.tabIndex, widget});
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }
    if (auto *list = findChild<QTableView *>()) {
        for (int column = 0; column < HistoryModel::ColumnCount; ++column)
            list->setColumnWidth(column, twips.px(kHistoryColumnWidths[column]));
    }
    showState();
}

QWidget *DrillPage::createControl(const ControlRow &control)
{
    switch (control.role) {
    case Role::Answer: {
        m_answer = new QLineEdit(this);
        m_answer->setMaxLength(kNoLengthLimit);
        // Enter presses the check button; the focus stays in the field.
        connect(m_answer, &QLineEdit::returnPressed, this, [this] { m_button->click(); });
        return m_answer;
    }
    case Role::Limit: {
        auto *field = new QLineEdit(m_session.limitText(control.slot), this);
        field->setMaxLength(kNoLengthLimit);
        connect(field, &QLineEdit::textChanged, this,
                [this, slot = control.slot](const QString &text) {
                    m_session.setLimitText(slot, text);
                });
        field->installEventFilter(this);
        m_limits[control.slot] = field;
        return field;
    }
    case Role::CheckButton: {
        auto *button = new QPushButton(control.text.toString(), this);
        // Enter on the focused button presses it, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, &DrillPage::check);
        m_button = button;
        return button;
    }
    case Role::History: {
        // A table without row headers rather than a tree: a tree lays out every
        // row again for each one appended, which a child's hour of checks turns
        // into a noticeable pause. Rows here are one fixed height.
        auto *list = new QTableView(this);
        list->setModel(m_session.history());
        list->setShowGrid(false);
        list->setWordWrap(false);
        list->setTabKeyNavigation(false); // Tab leaves the list, as on every other control
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->verticalHeader()->hide();
        list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
        QHeaderView *header = list->horizontalHeader();
        header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        header->setHighlightSections(false);
        header->setSectionsMovable(false);
        header->setSectionResizeMode(QHeaderView::Interactive);
        // Qt's style would widen the narrow sign columns to its own minimum.
        header->setMinimumSectionSize(1);
        return list;
    }
    default:
        break;
    }

    auto *label = new QLabel(control.text.toString(), this);
    label->setTextFormat(Qt::PlainText);
    switch (control.role) {
    case Role::FirstOperand:
        m_first = label;
        break;
    case Role::SecondOperand:
        m_second = label;
        break;
    case Role::Banner:
        m_banner = label;
        label->hide();
        break;
    case Role::Given:
        m_given = label;
        break;
    case Role::Right:
        m_right = label;
        break;
    case Role::Wrong:
        m_wrong = label;
        break;
    case Role::Percent:
        m_percent = label;
        break;
    default:
        if (control.slot != 0)
            m_kindSigns.append({control.slot, label});
        break;
    }
    return label;
}

void DrillPage::poseFirstProblem()
{
    m_session.poseFirstProblem();
    showState();
}

void DrillPage::check()
{
    if (m_session.check(m_answer->text()) == Verdict::Ignored)
        return;
    Q_EMIT checked();
    showState();
    // Wrong: the field is wiped for another try. Right: the next problem is
    // posed and the field made ready for it. Either way it keeps the focus.
    m_answer->clear();
    m_answer->setFocus();
}

void DrillPage::hideBanner()
{
    if (m_session.hideBanner())
        m_banner->hide();
}

void DrillPage::showState()
{
    m_first->setText(m_session.firstText());
    m_second->setText(m_session.secondText());
    m_given->setText(decimalText(m_session.given()));
    m_right->setText(decimalText(m_session.right()));
    m_wrong->setText(decimalText(m_session.wrong()));
    m_percent->setText(m_session.percentText());
    for (const auto &[kind, sign] : std::as_const(m_kindSigns))
        sign->setVisible(kind == m_session.problem().kind);
    for (int slot = 0; slot < m_limits.size(); ++slot) {
        if (m_limits[slot]->text() != m_session.limitText(slot))
            m_limits[slot]->setText(m_session.limitText(slot));
    }

    const Banner banner = m_session.banner();
    if (banner != Banner::Hidden) {
        const bool right = banner == Banner::Right;
        m_banner->setText(right ? QStringLiteral("Ügyes vagy!")
                                : QStringLiteral("Az eredmény HIBÁS!"));
        QPalette palette = m_banner->palette();
        palette.setColor(QPalette::Window, right ? kRightBanner : kWrongBanner);
        m_banner->setPalette(palette);
    }
    m_banner->setVisible(banner != Banner::Hidden);
    PageAccessibility::of(*this).update();
}

bool DrillPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Leaving a limit field is the user moving on, by Tab or Shift+Tab or
        // to another control of a page. The focus going to the menu bar (Alt),
        // a menu, a dialog, another program or the tab strip on a switch is
        // not: the field keeps its text as typed.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const QWidget *now = QApplication::focusWidget();
        const bool elsewhere = reason == Qt::ActiveWindowFocusReason ||
                               reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
        const bool movedOn =
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            (!elsewhere && now && qobject_cast<const DrillPage *>(now->parentWidget()));
        const int slot = int(m_limits.indexOf(watched));
        if (slot >= 0 && movedOn && m_session.leaveLimit(slot))
            showState();
    }
    return QWidget::eventFilter(watched, event);
}

void DrillPage::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), kPageGreen);
}

} // namespace kalkora
