// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/historylist.h"

#include "app/pagetable.h"
#include "app/twips.h"
#include "app/wording.h"
#include "core/historymodel.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTableView>

namespace kalkora {
namespace {

// The checked problems as the list shows them: headed, with the page's sign
// and "=" between the numbers, centred.
class HeadedHistory final : public QIdentityProxyModel
{
public:
    HeadedHistory(HistoryModel *history, QStringView sign, QObject *parent)
        : QIdentityProxyModel(parent), m_sign(sign)
    {
        setSourceModel(history);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(alignment(index.column()));
        if (role == Qt::DisplayRole && isSign(index.column()))
            return signOf(index.column()).toString();
        return QIdentityProxyModel::data(index, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= HistoryModel::ColumnCount)
            return {};
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(alignment(section));
        if (role != Qt::DisplayRole)
            return {};
        const QStringView headers[] = {kFirstHeader, m_sign, kSecondHeader, kEquals, kResult};
        return headers[section].toString();
    }

private:
    static bool isSign(int column)
    {
        return column == HistoryModel::SignColumn || column == HistoryModel::EqualsColumn;
    }
    QStringView signOf(int column) const
    {
        return column == HistoryModel::SignColumn ? m_sign : kEquals;
    }
    static Qt::Alignment alignment(int column)
    {
        return (isSign(column) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    }

    QStringView m_sign;
};

} // namespace

QTableView *createHistoryList(HistoryModel *model, QStringView sign, const Twips &twips,
                              QWidget *parent)
{
    // A table without row headers rather than a tree: a tree lays out every
    // row again for each one appended, which a child's hour of checks turns
    // into a noticeable pause. Rows here are one fixed height.
    auto *list = new QTableView(parent);
    QHeaderView *header = list->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    // Qt's style would widen the narrow sign columns to its own minimum.
    header->setMinimumSectionSize(1);
    list->verticalHeader()->hide();
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(twips.px(kHistoryRowHeight));
    list->setModel(new HeadedHistory(model, sign, list));
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

} // namespace kalkora
