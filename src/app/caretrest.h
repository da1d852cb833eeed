// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

namespace kalkora {

// Lets the text caret stop blinking once nobody has typed or clicked for a
// while. A blinking caret repaints twice a second, so a trainer left open on
// a page would never let the computer rest; after the pause the caret stays
// shown, without blinking, and the next key or mouse press brings the
// blinking back. Ten seconds, as desktops that stop the blinking commonly do.
class CaretRest final : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRestMilliseconds = 10'000;

    explicit CaretRest(int restMilliseconds = kRestMilliseconds, QObject *parent = nullptr);
    ~CaretRest() override;

    bool resting() const { return m_resting; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rest();
    void wake();

    QTimer m_timer;
    int m_flashTime = 0;
    bool m_resting = false;
};

} // namespace kalkora
