// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/historymodel.h"

namespace kalkora {

void HistoryModel::append(const QString &first, const QString &second, const QString &answer)
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append({first, second, answer});
    endInsertRows();
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role != Qt::DisplayRole)
        return {};
    const Row &row = m_rows.at(index.row());
    switch (index.column()) {
    case FirstColumn:
        return row.first;
    case SecondColumn:
        return row.second;
    case AnswerColumn:
        return row.answer;
    default:
        return {};
    }
}

} // namespace kalkora
