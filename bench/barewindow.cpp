// The floor that start-up is measured against: a Qt Widgets program that
// shows one empty window of the trainer's size and does nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(667, 390);
    window.show();
    return QApplication::exec();
}
