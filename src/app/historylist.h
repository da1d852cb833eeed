// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

class QTableView;
class QWidget;

namespace kalkora {

class HistoryModel;
class Twips;

// The history list of a page: a table of the checked problems with the page's
// operator sign between their numbers, with one column header each and no row
// headers.
QTableView *createHistoryList(HistoryModel *model, QStringView sign, const Twips &twips,
                              QWidget *parent);

} // namespace kalkora
