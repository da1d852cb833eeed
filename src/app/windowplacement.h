// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kalkora {

// Where a window of the given outer size (frame, title bar and menu bar
// included) has its top-left corner when centred on the whole screen. Worked
// out in single precision; on a screen smaller than the window the corner lies
// off the screen, and the window keeps its size.
QPoint centredPosition(const QRect &screen, const QSize &frame);

// Moves the window to the middle of the whole screen it is on, task bars
// included, by its outer size as far as it is known; once the window manager
// has framed it on its first showing, again by the framed size if that differs.
void centreOnScreen(QWidget &window);

} // namespace kalkora
