#include "window_frame/dialog_kind.h"

namespace ksl {

Qt::WindowFlags FixedDialogKind() {
    // A tool window there has a small caption and is left out of Alt+Tab. Without the system
    // menu, Qt gives the dialog the plain dialog frame with a close box and no icon.
    return Qt::Dialog;
}

}  // namespace ksl
