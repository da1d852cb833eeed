// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;

namespace kalkora {

// A page's result banner is an alert for screen readers, which announce an
// alert when it shows; a plain label appearing would pass unnoticed. Its name
// is the verdict as the child reads it.
void makeAlert(QLabel *banner);

// Announces the banner once more: a check that finds the banner already
// showing changes its verdict without showing it anew.
void announceAgain(QLabel *banner);

} // namespace kalkora
