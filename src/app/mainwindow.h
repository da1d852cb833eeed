#pragma once

#include <QList>
#include <QMainWindow>

class QAction;
class QTimer;

namespace kalkora {

class DrillPage;
class RandomSource;
class TabStrip;

// The trainer's one window: the end command, the tab strip with the five
// drill pages, and the banner timer that serves them all.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(RandomSource &random, QWidget *parent = nullptr);

    TabStrip *tabStrip() const { return m_strip; }
    DrillPage *page(int index) const { return m_pages.at(index); }
    int pageCount() const { return int(m_pages.size()); }
    QTimer *bannerTimer() const { return m_timer; }
    QAction *endAction() const { return m_end; }

    // Each page's first problem, in tab order.
    void poseFirstProblems();

private:
    void hideBanners();
    void chainFocus();

    TabStrip *m_strip;
    QList<DrillPage *> m_pages;
    QTimer *m_timer;
    QAction *m_end;
};

} // namespace kalkora
