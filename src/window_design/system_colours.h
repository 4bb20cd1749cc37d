#pragma once

#include <QColor>

namespace ksl {

// The desktop scheme's Button Text, Menu Text and Window Text. They are black on every platform
// the game runs on, which is what makes the faces of the welcome and game windows black.
inline const QColor ButtonText{0x00, 0x00, 0x00};
inline const QColor MenuText{0x00, 0x00, 0x00};
inline const QColor WindowText{0x00, 0x00, 0x00};

// The dialog face of the toolkit's standard light scheme. The About dialog keeps it, and its
// black texts, on every desktop, dark ones too.
inline const QColor DialogFace{0xEF, 0xEF, 0xEF};

}  // namespace ksl
