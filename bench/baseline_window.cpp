// The yardstick for start-up, memory and idle figures: a bare Qt program that opens one empty
// main window of the game window's size, with the same title.
//
// With --text the window shows one line of bold text. That is the least any program pays to
// start the font machinery, which the empty window never does; it puts the game's own cost
// in scale.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kronesluk"));
    window.setFixedSize(448, 443);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("Kronesluk"));
        label->setFont(QFont(QStringLiteral("Liberation Sans"), 24, QFont::Bold));
        label->setAlignment(Qt::AlignCenter);
        window.setCentralWidget(label);
    }
    window.show();
    return QApplication::exec();
}
