// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kalkora {

// The share of right answers in whole percent, halves away from zero; 100
// before the first check.
qint64 percentOf(qint64 right, qint64 given);

// Caption of a page's percentage label: that share, then " %", with no digit
// at all when it rounds to 0. Before the first check the label reads "100 %".
QString percentCaption(qint64 right, qint64 given);

} // namespace kalkora
