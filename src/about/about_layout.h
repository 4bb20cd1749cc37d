#pragma once

#include <QSize>
#include <span>

#include "window_design/control_spec.h"

namespace ksl::about_dialog {

inline constexpr const char* Caption = "About Kronesluk";
inline constexpr QSize ClientSize{382, 190};
inline constexpr double FontPoints = 8;

// The dialog's controls, from front to back, in the system's dialog font and colours.
std::span<const ControlSpec> Controls();

}  // namespace ksl::about_dialog
