#include "window_design/designed_dialog.h"

#include "window_design/control_factory.h"
#include "window_design/fonts.h"
#include "window_design/system_colours.h"
#include "window_frame/dialog_kind.h"
#include "window_frame/fixed_window.h"

namespace ksl {

DesignedDialog::DesignedDialog(const WindowSpec& design) {
    Q_ASSERT_X(design.menus.empty() && design.statusBar.height == 0, "DesignedDialog", design.name);
    setObjectName(QString::fromUtf8(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    QPalette face = palette();
    face.setColor(QPalette::Window, DialogFace);
    face.setColor(QPalette::WindowText, Qt::black);
    setPalette(face);
    // The system's dialog face at the design's size, which the boxes were measured for: larger,
    // the last line of a text would be cut off.
    QFont dialogFont = font();
    dialogFont.setPixelSize(PixelsForPoints(design.fontPoints));
    setFont(dialogFont);
    BuildControlsFrontToBack(design.controls,
                             FrameAsFixedDialog(*this).Face(*this, design.clientSize));
}

}  // namespace ksl
