// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowplacement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace kalkora {
namespace {

// Where a window of the given outer size (frame, title bar and menu bar
// included) has its top-left corner when centred on the whole screen. Worked
// out in single precision; on a screen smaller than the window the corner lies
// off the screen, and the window keeps its size.
QPoint centredPosition(const QRect &screen, const QSize &frame)
{
    const float left = (float(screen.width()) - float(frame.width())) / 2.0f;
    const float top = (float(screen.height()) - float(frame.height())) / 2.0f;
    return screen.topLeft() + QPoint(int(std::floor(left)), int(std::floor(top)));
}

// The window manager puts its frame around the window only when it is first
// shown, so before that only the inner size is known. When the frame turns
// out to change the outer size, the window is centred once more by it, before
// anyone can have moved it.
class FrameCentring final : public QObject
{
public:
    FrameCentring(QWidget &window, const QSize &centredBy)
        : QObject(&window), m_window(window), m_centredBy(centredBy)
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            if (m_window.frameGeometry().size() != m_centredBy)
                centreOnScreen(m_window);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
    QSize m_centredBy;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    // The size the layout gives the window, before it is first shown.
    if (QLayout *layout = window.layout())
        layout->activate();
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QSize outer = window.frameGeometry().size();
    window.move(centredPosition(screen->geometry(), outer));
    if (!window.isVisible() && window.windowHandle() == nullptr) {
        window.winId(); // the platform window, to hear when it is first shown
        new FrameCentring(window, outer);
    }
}

} // namespace kalkora
