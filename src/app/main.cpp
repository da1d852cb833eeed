// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/caretrest.h"
#include "app/messageboxes.h"
#include "app/qttranslations.h"
#include "app/terminationsignals.h"
#include "app/trainer.h"
#include "core/problemsource.h"
#include "core/random.h"
#include "settings/settingsfile.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // The one menu stays in the window under the caption, where the page
    // geometry expects it, and start-up does not ask the session bus for a
    // global menu.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    // No display name: Qt would add it to every window title, and the exit
    // question's title is " Kilépés " alone.
    QApplication::setApplicationName(QStringLiteral("kalkora"));
    // Wayland compositors and docks match the window to its menu entry and
    // icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kalkora.Kalkora"));
    QTranslator qtTexts;
    if (kalkora::loadQtTranslations(qtTexts, QLocale()))
        QCoreApplication::installTranslator(&qtTexts);
    // Every text of the program is Hungarian, so it reads left to right
    // where Qt's translation (Hebrew, Arabic, Persian) would turn it around;
    // Qt's own words, such as the end question's Yes and No, stay translated.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // Left alone, the program must not wake the computer: no blinking caret.
    const kalkora::CaretRest caretRest;

    const kalkora::SystemClock clock;
    kalkora::Generator generator(clock);
    kalkora::DrawnProblems problems(generator);
    const kalkora::SettingsFile settings;
    kalkora::MessageBoxes dialogs;
    kalkora::Trainer trainer(problems, settings, dialogs);
    // A shutdown, a kill or the terminal closing ends the program as the
    // window's close box does: the limits are saved, and nobody is asked.
    const kalkora::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &kalkora::TerminationSignals::received, &trainer.window(),
                     &QWidget::close);
    trainer.window().show();
    return QApplication::exec();
}
