// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

namespace kalkora {

// A row of equally wide tabs over a stack of pages. Unlike QTabWidget it draws
// no frame of its own and puts the pages exactly under the tab row, so that a
// page's controls can be placed by the strip's own coordinates.
class TabStrip final : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(int tabRowHeight, QWidget *parent = nullptr);

    // Adds a tab for the page, which becomes a child of the strip.
    void addPage(QWidget *page, const QString &caption);

    QTabBar *tabBar() const { return m_bar; }
    int count() const { return int(m_pages.size()); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    int indexOf(QWidget *page) const { return int(m_pages.indexOf(page)); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPage(int index);

    int m_tabRowHeight;
    QTabBar *m_bar;
    QList<QWidget *> m_pages;
};

} // namespace kalkora
