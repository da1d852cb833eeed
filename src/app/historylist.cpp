// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/historylist.h"

#include "app/pagetable.h"
#include "app/twips.h"
#include "core/historymodel.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeaderV2>
#include <QTableView>

namespace kalkora {
namespace {

// A column header's size in the font it is drawn in.
QSize headerSectionSize(const QWidget *header, QStyleOptionHeader &option, const QString &text)
{
    option.text = text;
    return header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
}

// Measures its sections in the font it draws them in. Qt's own header
// measures in bold, in case a section is highlighted, and so loads a font
// that this list never draws.
class ListHeader final : public QHeaderView
{
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int section) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = section;
        return headerSectionSize(this, option,
                                 model()->headerData(section, orientation()).toString());
    }
};

} // namespace

QTableView *createHistoryList(HistoryModel *model, const Twips &twips, QWidget *parent)
{
    // A table without row headers rather than a tree: a tree lays out every
    // row again for each one appended, which a child's hour of checks turns
    // into a noticeable pause. Rows here are one fixed height.
    auto *list = new QTableView(parent);
    auto *header = new ListHeader(Qt::Horizontal, list);
    list->setHorizontalHeader(header);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Qt's style would widen the narrow sign columns to its own minimum.
    header->setMinimumSectionSize(1);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    list->setModel(model);
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->setTabKeyNavigation(false); // Tab leaves the list, as on every other control
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 0; column < HistoryModel::ColumnCount; ++column)
        list->setColumnWidth(column, twips.px(kHistoryColumnWidths[column]));
    return list;
}

HistoryPicture::HistoryPicture(const QAbstractItemModel *model, const Twips &twips, QWidget *parent)
    : QWidget(parent), m_model(model)
{
    for (int column = 0; column < HistoryModel::ColumnCount; ++column)
        m_widths << twips.px(kHistoryColumnWidths[column]);
    // The list takes the keyboard as the list would, and is needed for it.
    setFocusPolicy(Qt::StrongFocus);
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, &HistoryPicture::needed);
    QAccessible::installActivationObserver(this);
}

HistoryPicture::~HistoryPicture()
{
    QAccessible::removeActivationObserver(this);
}

void HistoryPicture::accessibilityActiveChanged(bool active)
{
    if (active)
        Q_EMIT needed();
}

bool HistoryPicture::event(QEvent *event)
{
    // The mouse coming over it, before it can press, wheel or ask for a menu.
    if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn)
        Q_EMIT needed();
    return QWidget::event(event);
}

void HistoryPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStyle *style = this->style();
    // The frame of a scroll area, filled with the list's base colour.
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::StyledPanel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    const QRect inner =
        rect().adjusted(frame.lineWidth, frame.lineWidth, -frame.lineWidth, -frame.lineWidth);
    painter.fillRect(inner, palette().base());

    // The column headers, as high as the tallest of them.
    QStyleOptionHeaderV2 header;
    header.initFrom(this);
    header.state = QStyle::State_Raised | QStyle::State_Horizontal | QStyle::State_Enabled;
    header.orientation = Qt::Horizontal;
    int height = 0;
    for (int column = 0; column < m_widths.size(); ++column)
        height = std::max(
            height,
            headerSectionSize(this, header, m_model->headerData(column, Qt::Horizontal).toString())
                .height());
    painter.setClipRect(inner);
    for (int column = 0, x = inner.left(); column < m_widths.size(); x += m_widths[column++]) {
        header.section = column;
        header.text = m_model->headerData(column, Qt::Horizontal).toString();
        header.textAlignment = m_model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                                   .value<Qt::Alignment>();
        header.position = column == 0                     ? QStyleOptionHeader::Beginning
                          : column == m_widths.size() - 1 ? QStyleOptionHeader::End
                                                          : QStyleOptionHeader::Middle;
        header.rect = QRect(x, inner.top(), m_widths[column], height);
        style->drawControl(QStyle::CE_Header, &header, &painter, this);
    }

    // The horizontal scroll bar of a list one column wider than it shows.
    QStyleOptionSlider bar;
    bar.initFrom(this);
    bar.orientation = Qt::Horizontal;
    bar.state |= QStyle::State_Horizontal;
    bar.minimum = 0;
    bar.maximum = 1;
    bar.pageStep = 4;
    bar.singleStep = 1;
    const int barHeight = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bar.rect = QRect(0, 0, inner.width(), barHeight);
    painter.translate(inner.left(), inner.bottom() - barHeight + 1);
    style->drawComplexControl(QStyle::CC_ScrollBar, &bar, &painter, this);
    painter.resetTransform();
    painter.setClipping(false);
    style->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
}

} // namespace kalkora
