// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>
#include <QList>

namespace kalkora {

// The checked problems of a page, oldest first: first operand, operator sign,
// second operand, "=", and the answer as typed when it was right (empty
// when it was wrong). Rows are only ever appended. How they are headed and
// aligned is the list's to say.
class HistoryModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { FirstColumn, SignColumn, SecondColumn, EqualsColumn, AnswerColumn, ColumnCount };

    explicit HistoryModel(QString sign, QObject *parent = nullptr);

    const QString &sign() const { return m_sign; }

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
    QString m_sign;
    QList<Row> m_rows;
};

} // namespace kalkora
