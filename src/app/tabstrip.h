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
    TabStrip(int tabRowHeight, QWidget *parent = nullptr);

    void addPage(QWidget *page, const QString &caption);
    QTabBar *tabBar() const { return m_bar; }
    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget *page(int index) const { return m_pages.at(index); }
    int count() const { return int(m_pages.size()); }

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
