#pragma once

class QWidget;

namespace ksl {

// Keeps a fixed-size window at its size whatever the desktop asks: a window manager or
// compositor that maximises it or makes it full-screen anyway (Weston's shortcuts do, and so
// does the maximise button that Qt draws on Wayland) sees it go straight back to normal.
void KeepAtItsSize(QWidget& window);

}  // namespace ksl
