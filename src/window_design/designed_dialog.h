#pragma once

#include <QDialog>

#include "window_design/window_spec.h"

namespace ksl {

// A fixed dialog built from its design: no icon and no task-bar entry, its controls on its face
// in the system's dialog font at the design's size, black texts on the light dialog face whatever
// colours the desktop uses (the buttons keep the desktop's). A dialog's design has no menus and
// no status bar.
class DesignedDialog : public QDialog {
  public:
    explicit DesignedDialog(const WindowSpec& design);
};

}  // namespace ksl
