// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/percentage.h"

#include <cmath>

namespace kalkora {

qint64 percentOf(qint64 right, qint64 given)
{
    if (given <= 0)
        return 100;
    return qint64(std::round(double(right) / double(given) * 100.0)); // halves away from zero
}

QString percentDigits(qint64 right, qint64 given)
{
    const qint64 whole = percentOf(right, given);
    return whole == 0 ? QString() : QString::number(whole);
}

} // namespace kalkora
