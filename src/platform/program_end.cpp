#include "platform/program_end.h"

#include <QApplication>
#include <QWidget>

namespace ksl {

void QtProgramEnd::End() {
    // Gone from the screen now, not when the event loop gets round to it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

}  // namespace ksl
