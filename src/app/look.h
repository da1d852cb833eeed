// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/pagetable.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace kalkora {

// Colours the pages use, as the window draws them.
inline const QColor kPageGreen{0x00, 0xFF, 0x00};
inline const QColor kRightBanner{0x00, 0xFF, 0x00};
inline const QColor kWrongBanner{0xFF, 0x00, 0x00};

// The pages' font at a given size. "MS Sans Serif" is asked for first; where it
// is missing (everywhere but old Windows installations), Liberation Sans takes
// its place: it has every Hungarian letter (ő, ű) and, with Arial's metrics,
// keeps the captions inside their fixed boxes.
QFont pageFont(qreal pointSize, bool bold);

// The system colours the pages were drawn for: Qt's own light palette, from
// fixed values. The window keeps it whatever the desktop's style, platform
// theme or colour scheme, because the pages' navy, dark green and red
// counters and the green page behind the captions are only legible against
// light system colours. Dialogs follow the desktop.
QPalette lightPalette();

// Font, colours and alignment of a control by its role.
void applyLook(QWidget *control, Role role);

} // namespace kalkora
