#include "platform/player_messages.h"

#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ksl {

void MessageBoxMessages::Tell(QWidget& window, const QString& text) {
    const QPointer<QWidget> owner = &window;
    const QPointer<QWidget> focus = window.focusWidget();
    {
        QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(MessageCaption), text,
                        QMessageBox::Ok, &window);
        box.setWindowModality(Qt::ApplicationModal);
        // Some desktop styles put a tick on OK; the box shows no picture at all.
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.exec();
    }
    // Without this the desktop picks whichever window it likes, or none at all when no window
    // manager runs; the player's keys belong where they were before the box.
    if (owner && owner->isVisible()) {
        owner->activateWindow();
        if (focus) {
            focus->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
}

}  // namespace ksl
