// The yardstick for start-up, memory and idle figures: a bare Qt program that opens one empty
// main window of the game window's size, with the same title.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kronesluk"));
    window.setFixedSize(448, 443);
    window.show();
    return QApplication::exec();
}
