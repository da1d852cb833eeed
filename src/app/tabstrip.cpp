// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tabstrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>

namespace kalkora {
namespace {

// Tabs share the row's width evenly and are as high as the row.
class EvenTabBar final : public QTabBar
{
public:
    EvenTabBar(int height, QWidget *parent) : QTabBar(parent), m_height(height) {}

protected:
    QSize tabSizeHint(int) const override
    {
        return {count() > 0 ? width() / count() : width(), m_height};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

private:
    int m_height;
};

} // namespace

TabStrip::TabStrip(int tabRowHeight, QWidget *parent)
    : QWidget(parent), m_tabRowHeight(tabRowHeight), m_bar(new EvenTabBar(tabRowHeight, this))
{
    m_bar->setObjectName(QStringLiteral("SSTab1_tabs"));
    m_bar->setExpanding(true);
    m_bar->setUsesScrollButtons(false);
    m_bar->setDrawBase(false);
    // The strip takes the focus by Tab and by a click on a tab.
    m_bar->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_bar);
    connect(m_bar, &QTabBar::currentChanged, this, &TabStrip::showPage);
}

void TabStrip::addPage(QWidget *page, const QString &caption)
{
    page->setParent(this);
    page->setGeometry(0, m_tabRowHeight, width(), height() - m_tabRowHeight);
    m_pages.append(page);
    m_bar->addTab(caption);
    page->setVisible(m_pages.size() - 1 == currentIndex());
}

int TabStrip::currentIndex() const
{
    return m_bar->currentIndex();
}

void TabStrip::setCurrentIndex(int index)
{
    m_bar->setCurrentIndex(index);
}

void TabStrip::showPage(int index)
{
    // A switch hands the keyboard to the strip itself. Left to Qt, hiding the
    // old page would pass its focus along the window-wide chain, often into a
    // limit field of the new page, where the child's next digits would land.
    if (const QWidget *focus = QApplication::focusWidget(); focus && isAncestorOf(focus))
        m_bar->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
}

void TabStrip::resizeEvent(QResizeEvent *)
{
    m_bar->setGeometry(0, 0, width(), m_tabRowHeight);
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(0, m_tabRowHeight, width(), height() - m_tabRowHeight);
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab / Ctrl+Shift+Tab and Ctrl+PgDown / Ctrl+PgUp switch tabs from
    // anywhere on the strip, as in other tabbed programs.
    if (event->modifiers() & Qt::ControlModifier && count() > 0) {
        int step = 0;
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)
            step = 1;
        else if (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)
            step = -1;
        if (step != 0) {
            setCurrentIndex((currentIndex() + step + count()) % count());
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

} // namespace kalkora
