// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/banneralert.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace kalkora {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

// The banner stays a plain label: the verdict is an announcement, which a
// screen reader speaks as it comes, however often.
void prepareBanner(QLabel *) {}

void announceVerdict(QLabel *banner, bool, const QString &next)
{
    QAccessibleAnnouncementEvent event(
        banner, next.isEmpty() ? banner->text() : banner->text() + QLatin1Char(' ') + next);
    // The child waits for the verdict: it goes before anything still being said.
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}

#else

// Before Qt 6.8 there are no announcements: the banner is a notification,
// which screen readers speak whenever it shows, with its name (the verdict)
// and its description (what comes next). An alert they would speak only for
// some toolkits, and a description change of the focused answer field does
// not reach them as text.
namespace {

// Marks the labels that the factory below describes as notifications.
constexpr char kBannerProperty[] = "kalkoraBanner";
// What comes after the verdict; only a screen reader is told it, so the
// label's own description stays the same with every Qt.
constexpr char kNextProperty[] = "kalkoraBannerNext";

class BannerAccessible final : public QAccessibleWidget
{
public:
    explicit BannerAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        if (t == QAccessible::Description)
            return widget()->property(kNextProperty).toString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *bannerFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object);
        label && label->property(kBannerProperty).toBool())
        return new BannerAccessible(label);
    return nullptr;
}

} // namespace

void prepareBanner(QLabel *banner)
{
    static const bool installed = [] {
        QAccessible::installFactory(bannerFactory);
        return true;
    }();
    Q_UNUSED(installed)
    banner->setProperty(kBannerProperty, true);
    // The new label may already be described as a plain one; drop that, so
    // that the next query takes the notification. No screen reader has seen
    // it yet.
    if (QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(banner))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
}

void announceVerdict(QLabel *banner, bool wasShowing, const QString &next)
{
    banner->setProperty(kNextProperty, next);
    QAccessibleEvent described(banner, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    // A banner that just appeared is spoken for that; one already showing
    // changed its verdict without appearing, so it is shown anew.
    if (!wasShowing)
        return;
    QAccessibleEvent shown(banner, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#endif

} // namespace kalkora
