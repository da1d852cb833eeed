// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace kalkora {

// Moves the window to the middle of the whole screen it is on, task bars
// included, by its outer size as far as it is known; once the window manager
// has framed it on its first showing, again by the framed size if that differs.
void centreOnScreen(QWidget &window);

} // namespace kalkora
