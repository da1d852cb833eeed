// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/historylist.h"

#include "app/pagetable.h"
#include "app/twips.h"
#include "core/historymodel.h"

#include <QHeaderView>
#include <QTableView>

namespace kalkora {

QTableView *createHistoryList(HistoryModel *model, const Twips &twips, QWidget *parent)
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

} // namespace kalkora
