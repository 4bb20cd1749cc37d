// The yardsticks for start-up, memory and idle figures: a bare Qt program that opens one main
// window of the game window's size, with the same title.
//
//   baseline_window           the window, empty: it never starts the font machinery
//   baseline_window --text    one line in the game's bold Arial: the baseline of the targets,
//                             since no program that shows text can do with less
//   baseline_window --parts   that line, a menu bar and a status bar in the game's bold
//                             Baskerville: what the welcome window's parts cost by themselves
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStringList>

namespace {

QLabel* Line(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(true);
    auto* label = new QLabel(QStringLiteral("Kronesluk"));
    label->setFont(font);
    return label;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kronesluk"));
    window.setFixedSize(448, 443);
    const QStringList arguments = QApplication::arguments();
    const bool parts = arguments.contains(QStringLiteral("--parts"));
    if (parts || arguments.contains(QStringLiteral("--text"))) {
        QLabel* label = Line(QStringLiteral("Liberation Sans"), 64);
        label->setAlignment(Qt::AlignCenter);
        window.setCentralWidget(label);
    }
    if (parts) {
        window.menuBar()->addMenu(QStringLiteral("&Spill"));
        window.statusBar()->addWidget(Line(QStringLiteral("Baskervald ADF Std"), 16));
    }
    window.show();
    return QApplication::exec();
}
