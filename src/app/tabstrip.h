// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>

#include <functional>

class QTabBar;

namespace kalkora {

// A row of equally wide tabs over a stack of pages. Unlike QTabWidget it draws
// no frame of its own and puts the pages exactly under the tab row, so that a
// page's controls can be placed by the strip's own coordinates. A page is
// made when it is first needed, so that start-up builds only the one in front.
class TabStrip final : public QWidget
{
    Q_OBJECT
public:
    // Makes the page of a tab, as a child of the strip.
    using PageMaker = std::function<QWidget *(int index)>;

    TabStrip(int tabRowHeight, const QStringList &captions, PageMaker makePage,
             QWidget *parent = nullptr);

    QTabBar *tabBar() const { return m_bar; }
    int count() const { return int(m_pages.size()); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    // The page of a tab, made now if it was not yet.
    QWidget *page(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPage(int index);

    int m_tabRowHeight;
    QTabBar *m_bar;
    PageMaker m_makePage;
    QList<QWidget *> m_pages; // null until made
};

} // namespace kalkora
