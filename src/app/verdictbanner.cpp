// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/verdictbanner.h"

#include "app/look.h"
#include "app/wording.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace kalkora {
namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 there are no announcements: the banner is a notification,
// which screen readers speak whenever it shows, with its name (the verdict)
// and its description (what comes next). An alert they would speak only for
// some toolkits, and a description change of the focused answer field does
// not reach them as text.
class BannerAccessible final : public QAccessibleWidget
{
public:
    explicit BannerAccessible(QWidget *banner)
        : QAccessibleWidget(banner, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        if (t == QAccessible::Description)
            return next;
        return QAccessibleWidget::text(t);
    }

    QString next; // what a listener hears after the verdict
};

QAccessibleInterface *bannerFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(VerdictBanner::staticMetaObject.className()))
        return new BannerAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
#endif

} // namespace

VerdictBanner::VerdictBanner(QWidget *parent)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static const bool installed = (QAccessible::installFactory(bannerFactory), true);
    Q_UNUSED(installed)
#endif
    // The parent is set only now: setting it tells a screen reader of the
    // new control, and while QLabel's constructor runs the banner would be
    // described as a plain widget, for good.
    setParent(parent);
}

void VerdictBanner::showVerdict(Banner verdict)
{
    if (verdict != Banner::Hidden) {
        m_right = verdict == Banner::Right;
        setText((m_right ? kRightVerdict : kWrongVerdict).toString());
        update();
    }
    setVisible(verdict != Banner::Hidden);
}

void VerdictBanner::setVisible(bool visible)
{
    m_appeared = visible && (m_appeared || isHidden());
    QLabel::setVisible(visible);
}

void VerdictBanner::announce(const QString &next)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The verdict is an announcement, which a screen reader speaks as it
    // comes, however often. The child waits for it: it goes before anything
    // still being said.
    QAccessibleAnnouncementEvent event(this,
                                       next.isEmpty() ? text() : text() + QLatin1Char(' ') + next);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    if (auto *described =
            dynamic_cast<BannerAccessible *>(QAccessible::queryAccessibleInterface(this)))
        described->next = next;
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    // A banner that just appeared is spoken for that; one already showing
    // changed its verdict without appearing, so it is shown anew.
    if (!m_appeared) {
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
#endif
    m_appeared = false;
}

void VerdictBanner::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(rect(), m_right ? kRightBanner : kWrongBanner);
    QLabel::paintEvent(event);
}

} // namespace kalkora
