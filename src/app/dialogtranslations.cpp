// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogtranslations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

namespace kalkora {

DialogTranslations::DialogTranslations()
{
    s_current = this;
    QCoreApplication::instance()->installEventFilter(this);
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive())
        load();
}

DialogTranslations::~DialogTranslations()
{
    QAccessible::removeActivationObserver(this);
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    s_current = nullptr;
}

void DialogTranslations::ensure()
{
    if (s_current)
        s_current->load();
}

void DialogTranslations::load()
{
    if (m_translator)
        return;
    m_translator = std::make_unique<QTranslator>();
    if (m_translator->load(QStringLiteral("qtbase_hu"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_translator.get());
}

void DialogTranslations::accessibilityActiveChanged(bool active)
{
    if (active)
        load();
}

bool DialogTranslations::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        load();
    return QObject::eventFilter(watched, event);
}

} // namespace kalkora
