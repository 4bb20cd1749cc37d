#include "welcome_window/welcome_window_layout.h"

#include <array>

#include "window_design/system_colours.h"
#include "window_design/twips.h"

namespace ksl::welcome_window {
namespace {

const QColor Pink{0xFF, 0x80, 0x80};
const QColor Orange{0xFF, 0x80, 0x00};
const QColor Yellow{0xFF, 0xFF, 0x00};

constexpr auto Centre = Qt::AlignHCenter;

const std::array<ControlSpec, 4> ControlTable{{
    LabelSpec{"Label3", "Press F2 for å starte spillet", twips(600, 120, 5295, 375), 15.75, Pink,
              ButtonText, Centre},
    LabelSpec{"Label4", "Velkommen Til :", twips(720, 600, 5055, 615), 24, Orange, MenuText,
              Centre},
    LabelSpec{"Label1", "Kronesluk !", twips(720, 1440, 5175, 3135), 48, Yellow, MenuText, Centre},
    LabelSpec{"Label2", "av: Tindrevik", twips(600, 5400, 5175, 495), 15.75, Orange, ButtonText,
              Centre},
}};

const std::array<MenuItemSpec, 2> GameMenu{{
    {"mnuPlay", "&Start Spill", Qt::Key_F2},
    {"mnuExit", "&Exit", Qt::CTRL | Qt::Key_Q},
}};

const std::array<MenuSpec, 1> MenuTable{{
    {"mnuSpill", "&Spill", GameMenu},
}};

}  // namespace

// The status bar is 18 pixels high, its title panel never narrower than 200 pixels.
const WindowSpec Window{"Form1",      "Kronesluk", {448, 424}, 15.75,
                        ControlTable, MenuTable,   {18, 200}};

}  // namespace ksl::welcome_window
