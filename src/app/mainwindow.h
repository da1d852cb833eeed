// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drills.h"

#include <QList>
#include <QMainWindow>

class QAction;
class QTimer;

namespace kalkora {

class DrillPage;
class DrillSet;
class TabStrip;

// The trainer's one window: the end command, the tab strip with the five
// drill pages, and the banner timer that serves them all. The pages show the
// drill set's sessions.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(DrillSet &drills, QWidget *parent = nullptr);

    TabStrip *tabStrip() const { return m_strip; }
    DrillPage *page(Drill drill) const;
    QTimer *bannerTimer() const { return m_timer; }
    QAction *endAction() const { return m_end; }

Q_SIGNALS:
    // The window is being closed: through its frame (close box, Alt+F4, the
    // system menu), by the end command, or as the session ends.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void hideBanners();
    void chainFocus();

    DrillSet &m_drills;
    QTimer *m_timer;
    QAction *m_end;
    TabStrip *m_strip = nullptr;
    QList<DrillPage *> m_pages;
};

} // namespace kalkora
