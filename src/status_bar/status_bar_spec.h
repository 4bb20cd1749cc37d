#pragma once

namespace ksl {

// The status bar along the bottom: its height, and how narrow its title panel may become.
struct StatusBarSpec {
    int height;
    int titlePanelMinimumWidth;
};

}  // namespace ksl
