#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QCoreApplication;
class QWidget;

namespace kalkora {

class LimitKeeper;
class MainWindow;

// Where a window of the given outer size (frame, title bar and menu bar
// included) has its top-left corner when centred on the whole screen. Worked
// out in single precision; on a screen smaller than the window the corner lies
// off the screen, and the window keeps its size.
QPoint centredPosition(const QRect &screen, const QSize &frame);

// Moves the window to the middle of the whole screen it is on, task bars
// included, by its outer size as far as it is known.
void centreOnScreen(QWidget &window);

// Everything between creating the main window and showing it, in this order:
// centre it, put the stored limits into its limit fields, and pose each page's
// first problem in tab order (which seeds the generator for the first four
// pages and lets the division page go on from the multiplication page's
// numbers). It sets no focus and selects no tab.
void startUp(MainWindow &window, LimitKeeper &keeper);

// Qt's own Hungarian texts for the standard buttons ("Igen", "Nem"), whatever
// the user's language: the whole program speaks Hungarian. False when the
// translation is not installed; the buttons then keep Qt's English texts.
bool installDialogTranslations(QCoreApplication &app);

} // namespace kalkora
