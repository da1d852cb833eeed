// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QList>

namespace kalkora {

// The checked problems of a page, oldest first: first operand, second operand
// and the answer as typed when it was right (empty when it was wrong), in the
// columns the list shows them in. The sign columns between are empty here:
// the list shows the page's sign and "=" in them, heads and aligns them.
// Rows are only ever appended.
class HistoryModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { FirstColumn, SignColumn, SecondColumn, EqualsColumn, AnswerColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void append(const QString &first, const QString &second, const QString &answer);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        QString first;
        QString second;
        QString answer;
    };
    QList<Row> m_rows;
};

} // namespace kalkora
