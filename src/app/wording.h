// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace kalkora {

// Words the window shows in more than one place.
inline constexpr QStringView kWindowTitle = u"Kalkora gyakorló";
inline constexpr QStringView kRightVerdict = u"Ügyes vagy!";
inline constexpr QStringView kWrongVerdict = u"Az eredmény HIBÁS!";

} // namespace kalkora
