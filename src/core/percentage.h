// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kalkora {

// The share of right answers in whole percent, halves away from zero; 100
// before the first check.
qint64 percentOf(qint64 right, qint64 given);

// That share as a page's percentage label shows it: the digits alone, none at
// all when it rounds to 0 (as the earlier versions' number format "###" did).
QString percentDigits(qint64 right, qint64 given);

} // namespace kalkora
