// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace kalkora {

// Qt's own Hungarian texts for the standard buttons ("Igen", "Nem"), whatever
// the user's language: the whole program speaks Hungarian. False when the
// translation is not installed; the buttons then keep Qt's English texts.
bool installDialogTranslations(QCoreApplication &app);

} // namespace kalkora
