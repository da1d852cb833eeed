// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace kalkora {

// A place and size in twips (1/1440 inch).
struct TwipRect
{
    int left, top, width, height;
};

// The window is laid out in twips, the unit its layout was first drawn up in,
// so every place and size stays as users of earlier versions know it, to the
// twip. This is the one place that turns them into device-independent
// pixels: 15 twips make a pixel at the screen's logical 96 dpi, and Qt's
// device pixel ratio takes it from there on high-density screens.
class Twips
{
public:
    explicit Twips(qreal logicalDpi) : m_dpi(logicalDpi) {}
    int px(int twips) const { return qRound(twips * m_dpi / 1440.0); }
    QRect rect(const TwipRect &r) const
    {
        return {px(r.left), px(r.top), px(r.width), px(r.height)};
    }

private:
    qreal m_dpi;
};

} // namespace kalkora
