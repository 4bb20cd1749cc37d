#pragma once

#include <QStringList>

class QLabel;

namespace ksl::design_export {

// The lines `label` shows its text in on the desktop, wrapped at spaces within its width, each
// with the spaces that end it. The desktop's fonts advance by whole pixels and a browser's by
// fractions of one, so a browser left to wrap the text itself may break a line the desktop
// keeps whole; the page breaks where the desktop breaks.
[[nodiscard]] QStringList DesktopLines(const QLabel& label);

}  // namespace ksl::design_export
