// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/banneralert.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace kalkora {
namespace {

// Marks the labels that the factory below describes as alerts.
constexpr char kAlertProperty[] = "kalkoraAlert";

class BannerAccessible final : public QAccessibleWidget
{
public:
    explicit BannerAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::AlertMessage)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *bannerFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object);
        label && label->property(kAlertProperty).toBool())
        return new BannerAccessible(label);
    return nullptr;
}

} // namespace

void makeAlert(QLabel *banner)
{
    static const bool installed = [] {
        QAccessible::installFactory(bannerFactory);
        return true;
    }();
    Q_UNUSED(installed)
    banner->setProperty(kAlertProperty, true);
    // The new label may already be described as a plain one; drop that, so
    // that the next query takes the alert. No screen reader has seen it yet.
    if (QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(banner))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
}

void announceAgain(QLabel *banner)
{
    QAccessibleEvent shown(banner, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace kalkora
