// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogtranslations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

namespace kalkora {

DialogTranslations::DialogTranslations()
{
    QCoreApplication::instance()->installEventFilter(this);
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive())
        ensure();
}

DialogTranslations::~DialogTranslations()
{
    QAccessible::removeActivationObserver(this);
}

void DialogTranslations::ensure()
{
    static const bool loaded = [] {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QStringLiteral("qtbase_hu"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            return QCoreApplication::installTranslator(translator);
        delete translator;
        return false;
    }();
    Q_UNUSED(loaded)
}

void DialogTranslations::accessibilityActiveChanged(bool active)
{
    if (active)
        ensure();
}

bool DialogTranslations::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        ensure();
    return QObject::eventFilter(watched, event);
}

} // namespace kalkora
