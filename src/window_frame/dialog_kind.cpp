#include "window_frame/dialog_kind.h"

#include "window_frame/fixed_window.h"

namespace ksl {

FixedFrame FrameAsFixedDialog(QWidget& dialog) {
    return FrameAsFixedWindow(dialog, Qt::Tool);
}

}  // namespace ksl
