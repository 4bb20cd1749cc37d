#pragma once

namespace ksl {

// True when the program runs on a Wayland compositor, whose frame and window states a fixed
// window must handle itself.
[[nodiscard]] bool OnWayland();

}  // namespace ksl
