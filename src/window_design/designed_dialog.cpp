#include "window_design/designed_dialog.h"

#include "window_design/control_factory.h"
#include "window_design/fonts.h"
#include "window_design/system_colours.h"
#include "window_frame/dialog_kind.h"
#include "window_frame/fixed_window.h"
#include "window_frame/title_bar.h"

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
    BuildControlsFrontToBack(
        design.controls,
        FaceUnder(FrameAsFixedWindow(*this, FixedDialogKind()), design.clientSize));
}

// Sizes the dialog and gives the area its controls go on: the dialog itself, or, where the
// dialog draws its own title bar, the area under it.
QWidget* DesignedDialog::FaceUnder(TitleBar* titleBar, QSize clientSize) {
    if (titleBar == nullptr) {
        setFixedSize(clientSize);
        return this;
    }
    titleBar->setGeometry(0, 0, clientSize.width(), TitleBar::Height);
    auto* face = new QWidget(this);
    face->setGeometry(QRect(QPoint(0, TitleBar::Height), clientSize));
    setFixedSize(clientSize + QSize(0, TitleBar::Height));
    return face;
}

}  // namespace ksl
