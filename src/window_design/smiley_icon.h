#pragma once

#include <QIcon>

namespace ksl {

// The smiley as a window icon, at every size the art generator draws it, so that the title bar,
// the task bar and the window switcher each pick one drawn for their size.
QIcon SmileyIcon();

}  // namespace ksl
