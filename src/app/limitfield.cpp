// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/limitfield.h"

#include <QFocusEvent>
#include <QTimer>

namespace kalkora {

void LimitField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
        Q_EMIT left();
        return;
    default:
        break;
    }
    // A click on a tab takes the focus before the tab bar knows whether it
    // switches; once the click is done, a switch has hidden the field, while
    // a click on the tab in front, or on another control of the page, has
    // left it showing.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !hasFocus())
            Q_EMIT left();
    });
}

} // namespace kalkora
