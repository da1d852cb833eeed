// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace kalkora {

// The trainer's icon, a lit light bulb, in the sizes drawn for it (16 and 32
// pixels); the window system picks the one that fits.
QIcon appIcon();

} // namespace kalkora
