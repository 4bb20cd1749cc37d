#include "platform/player_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace ksl {

void MessageBoxMessages::Tell(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KSL"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace ksl
