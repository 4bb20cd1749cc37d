#pragma once

#include <QMainWindow>

#include "window_design/window_spec.h"

class QAction;

namespace ksl {

// A fixed-size window with a black face, the smiley icon and a task-bar entry, no minimise or
// maximise box, built from its design: controls on `face()` (the client area above the status
// bar, its origin at the top-left corner of the client area), menus and the clock status bar.
class ClassicWindow : public QMainWindow {
  public:
    explicit ClassicWindow(const WindowSpec& design);

    [[nodiscard]] QWidget* face() const { return face_; }

    // A control or menu item of the design, by its name; the design guarantees that it exists.
    template <typename Control = QWidget>
    [[nodiscard]] Control* Find(const char* name) const {
        auto* control = findChild<Control*>(QString::fromUtf8(name));
        Q_ASSERT_X(control != nullptr, "ClassicWindow::Find", name);
        return control;
    }
    [[nodiscard]] QAction* MenuItem(const char* name) const;

  private:
    QWidget* face_;
};

}  // namespace ksl
