// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"

#include "app/appicon.h"
#include "app/drillpage.h"
#include "app/look.h"
#include "app/pagetable.h"
#include "app/tabstrip.h"
#include "app/twips.h"
#include "app/wording.h"
#include "core/drillset.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

namespace kalkora {
namespace {

// The green area under the menu bar that holds the tab strip.
class ClientArea final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), kPageGreen); }
};

constexpr int kBannerMilliseconds = 3000;

} // namespace

MainWindow::MainWindow(DrillSet &drills, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      m_drills(drills), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("Kalkora"));
    setWindowTitle(kWindowTitle.toString());
    setWindowIcon(appIcon());
    setPalette(lightPalette());

    m_end = menuBar()->addAction(kEndCommand.toString());
    m_end->setObjectName(QStringLiteral("mnuEnd"));

    const Twips twips(screen()->logicalDotsPerInchY());
    auto *client = new ClientArea(this);
    client->setFixedSize(twips.px(kClientWidth), twips.px(kClientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_strip = new TabStrip(twips.px(kTabRowHeight), client);
    m_strip->setObjectName(QStringLiteral("SSTab1"));
    m_strip->setGeometry(twips.rect(kStrip));
    for (const PageTable &table : drillPages()) {
        auto *page = new DrillPage(table, drills.session(table.drill), twips);
        connect(page, &DrillPage::checked, m_timer, qOverload<>(&QTimer::start));
        m_strip->addPage(page, table.tabCaption.toString());
        m_pages.append(page);
    }
    chainFocus();
    m_strip->tabBar()->setFocus();

    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kBannerMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::hideBanners);
    m_timer->start();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closing();
    QMainWindow::closeEvent(event);
}

DrillPage *MainWindow::page(Drill drill) const
{
    return *std::find_if(m_pages.cbegin(), m_pages.cend(),
                         [drill](const DrillPage *page) { return page->table().drill == drill; });
}

void MainWindow::hideBanners()
{
    m_timer->stop();
    m_drills.hideBanners();
    for (DrillPage *page : std::as_const(m_pages))
        page->showState();
}

void MainWindow::chainFocus()
{
    // One keyboard order over the whole window; the controls of tabs that are
    // not in front are skipped because they are hidden.
    QList<std::pair<int, QWidget *>> order;
    for (const DrillPage *page : std::as_const(m_pages))
        order += page->focusables();
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = m_strip->tabBar();
    for (const auto &[index, widget] : std::as_const(order)) {
        setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace kalkora
