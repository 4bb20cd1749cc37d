#include "accessibility/notification_events.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "accessibility/announcer.h"

namespace ksl {
namespace {

void TellAsNotification(QObject& object, const QString& words) {
    QAccessibleValueChangeEvent event(&object, words);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

NotificationEvents::NotificationEvents(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool NotificationEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* announcer = dynamic_cast<Announcer*>(watched)) {
            TellAsNotification(*announcer, announcer->Message());
        }
    } else if (event->type() == QEvent::WindowActivate) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            // Once the box is in front and its button has the focus: the screen reader says
            // the box and its button first, then the message, not the other way round.
            QTimer::singleShot(0, box, [box = QPointer<QMessageBox>(box)] {
                if (box && box->isActiveWindow()) {
                    TellAsNotification(*box, box->text());
                }
            });
        }
    }
    return false;
}

}  // namespace ksl
