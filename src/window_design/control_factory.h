#pragma once

#include <span>

#include "window_design/control_spec.h"

class QWidget;

namespace ksl {

// Turns one row of a layout table into its widget, named after the row.
QWidget* BuildControl(const ControlSpec& design, QWidget* parent);

// Builds a whole table whose rows are listed from front to back, as designs list their stacking:
// the last row is built first, so every row ends up in front of the rows after it. A screen
// reader reads them as the player sees them, in reading order (see reading.h).
void BuildControlsFrontToBack(std::span<const ControlSpec> table, QWidget* parent);

}  // namespace ksl
