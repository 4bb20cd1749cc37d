#include "platform/beeper.h"

#include <QApplication>

namespace ksl {

void SystemBeeper::Beep() {
    QApplication::beep();
}

}  // namespace ksl
