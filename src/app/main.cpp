#include "mainwindow.h"
#include "random.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kalkora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalkora gyakorló"));

    const kalkora::SystemClock clock;
    kalkora::Generator generator(clock);
    kalkora::MainWindow window(generator);
    window.poseFirstProblems();
    window.show();
    return QApplication::exec();
}
