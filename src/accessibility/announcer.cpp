#include "accessibility/announcer.h"

namespace ksl {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::Announce(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

void Announcer::Withdraw() {
    hide();
}

}  // namespace ksl
