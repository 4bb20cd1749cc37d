#include "shell/form1.h"

#include "shell/welcome_window_layout.h"

namespace ksl {

Form1::Form1() : ClassicWindow(welcome_window::Window) {}

}  // namespace ksl
