// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drillsession.h"
#include "core/textvalue.h"

#include <cmath>

namespace kalkora::test {

// The right answer to the session's problem, as a child types it.
inline QString rightAnswer(const DrillSession &session)
{
    const double expected = session.rules().expected(session.problem());
    if (expected == std::floor(expected) && std::abs(expected) < 1e15)
        return decimalText(qint64(expected));
    return QString::number(expected, 'g', 17);
}

} // namespace kalkora::test
