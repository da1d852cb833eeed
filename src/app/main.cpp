#include "caretrest.h"
#include "exitquestion.h"
#include "limitkeeper.h"
#include "mainwindow.h"
#include "problemreporter.h"
#include "random.h"
#include "settingsfile.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The one menu stays in the window under the caption, where the page
    // geometry expects it, and start-up does not ask the session bus for a
    // global menu.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    kalkora::installDialogTranslations(app);
    // Left alone, the program must not wake the computer: no blinking caret.
    const kalkora::CaretRest caretRest;
    QApplication::setApplicationName(QStringLiteral("kalkora"));
    // No display name: Qt would add it to every window title, and the exit
    // question's title is " Kilépés " alone.

    const kalkora::SystemClock clock;
    kalkora::Generator generator(clock);
    kalkora::MainWindow window(generator);
    const kalkora::SettingsFile settings;
    kalkora::ProblemReporter reporter;
    kalkora::ExitQuestion question;
    kalkora::LimitKeeper keeper(window, settings, reporter, question);
    // A logout may end the program without closing the window.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &keeper,
                     [&keeper] { keeper.save(kalkora::ProblemReporter::Channel::StandardError); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &keeper, [&keeper] {
        keeper.unload(kalkora::ProblemReporter::Channel::StandardError);
    });
    kalkora::startUp(window, keeper);
    window.show();
    return QApplication::exec();
}
