#include "window_kit/smiley_icon.h"

#include <QDirIterator>

namespace ksl {

QIcon SmileyIcon() {
    QIcon icon;
    // One folder per size, as the desktop's icon theme keeps them.
    QDirIterator sizes(QStringLiteral(":/assets/icons/hicolor"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next() + QStringLiteral("/kronesluk.png"));
    }
    return icon;
}

}  // namespace ksl
