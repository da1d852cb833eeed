// SPDX-License-Identifier: GPL-3.0-or-later
// The floors that start-up is measured against: a Qt Widgets program that
// shows one empty window of the trainer's size and does nothing else, and,
// with --text, the same window holding the least a window with words needs:
// a menu, one label and one text field (so the font database is loaded and
// text is shaped and drawn, as in any window a person can read).

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    if (!text) {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Bare window"));
        window.resize(667, 390);
        window.show();
        return QApplication::exec();
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Text window"));
    window.menuBar()->addAction(QStringLiteral("&Menu"));
    auto *central = new QWidget(&window);
    central->setFixedSize(667, 370);
    auto *label = new QLabel(QStringLiteral("Label"), central);
    label->setGeometry(20, 20, 200, 30);
    auto *field = new QLineEdit(central);
    field->setGeometry(20, 60, 200, 30);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
