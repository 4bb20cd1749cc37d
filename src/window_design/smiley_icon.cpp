#include "window_design/smiley_icon.h"

namespace ksl {

QIcon SmileyIcon() {
    // Qt reads every picture of an icon as it is added, so the windows share one.
    static const QIcon icon = [] {
        QIcon sizes;
        // One folder per size, as the desktop's icon theme keeps them.
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            sizes.addFile(QStringLiteral(":/assets/icons/hicolor/%1x%1/kronesluk.png").arg(size),
                          QSize(size, size));
        }
        return sizes;
    }();
    return icon;
}

}  // namespace ksl
