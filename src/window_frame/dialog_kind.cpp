#include "window_frame/dialog_kind.h"

namespace ksl {

Qt::WindowFlags FixedDialogKind() {
    return Qt::Tool;
}

}  // namespace ksl
