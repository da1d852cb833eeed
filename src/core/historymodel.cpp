// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/historymodel.h"

namespace kalkora {

HistoryModel::HistoryModel(QString sign, QObject *parent)
    : QAbstractTableModel(parent), m_sign(std::move(sign))
{
}

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
    case SignColumn:
        return m_sign;
    case SecondColumn:
        return row.second;
    case EqualsColumn:
        return QStringLiteral("=");
    default:
        return row.answer;
    }
}

} // namespace kalkora
