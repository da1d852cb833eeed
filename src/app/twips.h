// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace kalkora {

// The layout is drawn up in twips (1/1440 inch). This is the one place that
// turns them into device-independent pixels: 15 twips make a pixel at the
// screen's logical 96 dpi, and Qt's device pixel ratio takes it from there on
// high-density screens.
class Twips
{
public:
    explicit Twips(qreal logicalDpi) : m_dpi(logicalDpi) {}
    int px(int twips) const { return qRound(twips * m_dpi / 1440.0); }
    QRect rect(int left, int top, int width, int height) const
    {
        return {px(left), px(top), px(width), px(height)};
    }

private:
    qreal m_dpi;
};

} // namespace kalkora
