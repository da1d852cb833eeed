// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/qttranslations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalkora {

bool loadQtTranslations(QTranslator &translator, const QLocale &locale)
{
    return translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kalkora
