// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLocale;
class QTranslator;

namespace kalkora {

// Loads Qt's own texts (the Yes and No of a message box, a text field's
// context menu, the actions a screen reader is offered) in the language of
// the locale, as every program on the desktop shows them. The program's own
// texts are Hungarian whatever the locale. False where Qt has no translation
// for it (English, or Qt's translations not installed): Qt's texts stay
// English then.
bool loadQtTranslations(QTranslator &translator, const QLocale &locale);

} // namespace kalkora
