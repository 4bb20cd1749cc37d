#include "accessibility/accessible_interfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <algorithm>

#include "accessibility/announcer.h"
#include "accessibility/reading.h"

namespace ksl {
namespace {

// A window, or a window's face, that lists its controls in reading order, not stacking order.
class AccessibleInReadingOrder final : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return static_cast<int>(ReadChildren(*widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = ReadChildren(*widget());
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(
            ReadChildren(*widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }

    // The control the player sees at that point: the one in front, where controls overlap.
    QAccessibleInterface* childAt(int x, int y) const override {
        const QList<QWidget*> read = ReadChildren(*widget());
        const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
        const QObjectList& stacking = widget()->children();
        const auto front = std::find_if(stacking.rbegin(), stacking.rend(), [&](QObject* object) {
            auto* control = qobject_cast<QWidget*>(object);
            return control != nullptr && read.contains(control) && control->isVisible() &&
                   control->geometry().contains(point);
        });
        return front == stacking.rend() ? nullptr : QAccessible::queryAccessibleInterface(*front);
    }
};

// Tells screen readers that a label's words have changed when it, or a label on its line, is
// shown or hidden: its words hold only what is shown, and the windows write a label's text
// only while it is hidden.
class SpokenTextWatcher final : public QObject {
  public:
    static SpokenTextWatcher& Instance() {
        static auto* const watcher = new SpokenTextWatcher(qApp);
        return *watcher;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            const auto& label = static_cast<const QLabel&>(*watched);
            NameChanged(label);
            if (const QLabel& start = LineStart(label); &start != &label) {
                NameChanged(start);
            }
        }
        return false;
    }

  private:
    using QObject::QObject;

    static void NameChanged(const QLabel& label) {
        QAccessibleEvent event(const_cast<QLabel*>(&label), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
};

class AccessibleLabel final : public QAccessibleWidget {
  public:
    explicit AccessibleLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        // A screen reader keeps the words it was told until it hears that they have changed.
        auto& label = *static_cast<QLabel*>(widget());
        for (QLabel* part : LabelsReadWith(label)) {
            part->installEventFilter(&SpokenTextWatcher::Instance());
        }
        return SpokenText(label);
    }
};

class AccessiblePicture final : public QAccessibleWidget {
  public:
    explicit AccessiblePicture(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (IsCoveredByPicture(*widget())) {
            state.offscreen = true;
        }
        return state;
    }
};

QAccessible::Role ContainerRole(const QWidget& container) {
    if (qobject_cast<const QDialog*>(&container) != nullptr) {
        return QAccessible::Dialog;
    }
    return container.isWindow() ? QAccessible::Window : QAccessible::Client;
}

QAccessibleInterface* MakeInterface(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (IsReadAsPicture(*widget)) {
        return new AccessiblePicture(widget);
    }
    if (dynamic_cast<Announcer*>(widget) != nullptr) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (IsReadInReadingOrder(*widget)) {
        return new AccessibleInReadingOrder(widget, ContainerRole(*widget));
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label != nullptr && label->parentWidget() != nullptr &&
        IsReadInReadingOrder(*label->parentWidget())) {
        return new AccessibleLabel(label);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(&MakeInterface);
}

}  // namespace ksl
