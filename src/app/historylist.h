// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QList>
#include <QWidget>

class QAbstractItemModel;
class QTableView;

namespace kalkora {

class HistoryModel;
class Twips;

// The history list of a page: a table of the checked problems, with one
// column header each and no row headers.
QTableView *createHistoryList(HistoryModel *model, const Twips &twips, QWidget *parent);

// The empty history list as it first shows, drawn by the style the way the
// list draws itself (its frame, column headers and horizontal scroll bar)
// without the item view behind it, which costs start-up some 0.6 MB and half
// a millisecond. The list itself has to take its place before anything could
// tell the two apart: a row to show, the mouse over it, the keyboard on it,
// or a screen reader, which the picture says by needed().
class HistoryPicture final : public QWidget, public QAccessible::ActivationObserver
{
    Q_OBJECT
public:
    HistoryPicture(const QAbstractItemModel *model, const Twips &twips, QWidget *parent);
    ~HistoryPicture() override;

    void accessibilityActiveChanged(bool active) override;

Q_SIGNALS:
    void needed();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    const QAbstractItemModel *m_model;
    QList<int> m_widths;
};

} // namespace kalkora
