#pragma once

#include <QFont>

namespace ksl {

// Point sizes were chosen for a 96-DPI screen; fonts are sized in pixels so that text keeps its
// size relative to the layout on every screen.
int PixelsForPoints(double points);

// Every text of the welcome and game windows is bold Arial.
QFont ArialBold(double points);

// The status bars' bold Baskerville, 12 points in every window.
QFont BaskervilleBold(double points);
inline constexpr double StatusBarPoints = 12;

// Maps the designed faces onto the metric-compatible fonts the program depends on, so that text
// wraps where it was designed to wrap even without the desktop's font aliases.
void RegisterFontSubstitutes();

}  // namespace ksl
