// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drillsession.h"

#include <QLabel>

namespace kalkora {

// A page's result banner: hidden, or its verdict on green or red. It tells a
// screen reader every verdict it shows, also one that replaces another while
// the banner stays up, which a label appearing again would not.
class VerdictBanner final : public QLabel
{
    Q_OBJECT
public:
    explicit VerdictBanner(QWidget *parent);

    // Shows the verdict; hidden, the banner keeps the last one.
    void showVerdict(Banner verdict);
    // Tells a screen reader the verdict shown, followed by next (after a
    // right answer the new problem; it may be empty).
    void announce(const QString &next);

protected:
    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_right = false;
    bool m_appeared = false; // since the last announcement
};

} // namespace kalkora
