// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/caretrest.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace kalkora {

CaretRest::CaretRest(int restMilliseconds, QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(restMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &CaretRest::rest);
    QCoreApplication::instance()->installEventFilter(this);
    m_timer.start();
}

CaretRest::~CaretRest()
{
    if (m_resting)
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
}

bool CaretRest::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::InputMethod:
        wake();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretRest::rest()
{
    // Line edits follow the flash time as it changes: 0 stops their blink
    // timers and leaves the caret shown.
    m_flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    m_resting = true;
}

void CaretRest::wake()
{
    if (m_resting) {
        m_resting = false;
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
    }
    m_timer.start();
}

} // namespace kalkora
