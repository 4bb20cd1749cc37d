#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <QAccessible>
#include <QStringList>

namespace ksl::testing {

// The words of every event that Qt's bridge to UI Automation would raise as a notification:
// accessibility events that give an object a string as its new value. While a recorder lives,
// Qt's accessibility is switched on, as when a screen reader first asks for a window, and the
// events come here instead of to the bridge. One recorder at a time.
class NotificationRecorder {
  public:
    NotificationRecorder() {
        current_ = this;
        previous_ = QAccessible::installUpdateHandler(&Record);
        Accessibility().setActive(true);
    }
    ~NotificationRecorder() {
        Accessibility().setActive(false);
        QAccessible::installUpdateHandler(previous_);
        current_ = nullptr;
    }
    NotificationRecorder(const NotificationRecorder&) = delete;
    NotificationRecorder& operator=(const NotificationRecorder&) = delete;

    QStringList told;

  private:
    static QPlatformAccessibility& Accessibility() {
        return *QGuiApplicationPrivate::platformIntegration()->accessibility();
    }

    static void Record(QAccessibleEvent* event) {
        if (event->type() != QAccessible::ValueChanged) {
            return;
        }
        const QVariant value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        if (value.typeId() == QMetaType::QString) {
            current_->told.append(value.toString());
        }
    }

    static inline NotificationRecorder* current_ = nullptr;
    QAccessible::UpdateHandler previous_;
};

}  // namespace ksl::testing
