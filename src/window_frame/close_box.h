#pragma once

#include <functional>

class QWidget;

namespace ksl {

// From now on, a request to close `window` (its title bar's close box, or `close()`) leaves the
// window as it is and calls `closed` instead: whoever owns the window decides what closing means.
void OnCloseBox(QWidget& window, std::function<void()> closed);

}  // namespace ksl
