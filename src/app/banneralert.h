// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLabel;
class QString;

namespace kalkora {

// A page's result banner tells a screen reader every verdict it shows; a plain
// label appearing would pass unnoticed. Called once for each new banner.
void prepareBanner(QLabel *banner);

// Tells a screen reader the verdict the banner now shows, followed by next
// (after a right answer the new problem; it may be empty). wasShowing: the
// banner showed before this check, so it did not appear anew.
void announceVerdict(QLabel *banner, bool wasShowing, const QString &next);

} // namespace kalkora
