#include "game_window/game_window_layout.h"

#include <array>

#include "window_design/system_colours.h"
#include "window_design/twips.h"

namespace ksl::game_window {
namespace {

const QColor Yellow{0xFF, 0xFF, 0x00};
const QColor Orange{0xFF, 0x80, 0x00};
const QColor Blue{0x00, 0x00, 0xFF};
const QColor Lavender{0x80, 0x80, 0xFF};
const QColor PaleGreen{0x80, 0xFF, 0x80};
const QColor Green{0x00, 0xC0, 0x00};
const QColor Olive{0xC0, 0xC0, 0x00};
const QColor Cream{0xFF, 0xFF, 0xC0};

constexpr auto Centre = Qt::AlignHCenter;
constexpr auto Right = Qt::AlignRight;
constexpr bool Sunken = true;
constexpr bool Hidden = false;

LineSpec GridLine(const char* name, int x1, int y1, int x2, int y2) {
    return {name, twips(x1, y1), twips(x2, y2), Blue, 4};
}

LineSpec FrameLine(const char* name, int x1, int y1, int x2, int y2) {
    return {name, twips(x1, y1), twips(x2, y2), Orange, 4};
}

LabelSpec Prizes(const char* name, const char* text, int top, int width) {
    return {name, text, twips(960, top, width, 255), 12, Green, ButtonText};
}

// A reel is read by its place on screen, "Venstre hjul", then by its digit once revealed.
LabelSpec Reel(const char* name, int left, const char* place) {
    return {name,   "",   twips(left, 1080, 1335, 1095), 36, Yellow, ButtonText, Centre, Sunken,
            Hidden, place};
}

const std::array<ControlSpec, 37> ControlTable{{
    // The stake buttons lie in front of everything else.
    ButtonSpec{"Command1", "1 Kr", twips(5640, 1320, 735, 375), 12},
    ButtonSpec{"Command2", "2 Kr", twips(5640, 1920, 735, 375), 12},
    // The balance line, "Du har 30 kr igjen å spille for", and the stake heading.
    LabelSpec{"Label18", "kr igjen å spille for", twips(4560, 2520, 2055, 255), 11.25, Orange,
              ButtonText},
    LabelSpec{"Label17", "30", twips(4080, 2520, 495, 255), 11.25, Orange, MenuText, Centre},
    LabelSpec{"Label16", "Innsats :", twips(5520, 840, 1095, 255), 12, Lavender, WindowText,
              Centre},
    // The reel grid.
    GridLine("Line10", 3840, 960, 3840, 2280),
    GridLine("Line9", 2280, 960, 2280, 2280),
    GridLine("Line8", 5400, 960, 5400, 2280),
    GridLine("Line7", 720, 2280, 5400, 2280),
    GridLine("Line6", 720, 960, 720, 2280),
    GridLine("Line5", 720, 960, 5400, 960),
    // The frame around the pay table.
    FrameLine("Line4", 120, 5760, 120, 3000),
    FrameLine("Line3", 3000, 5760, 120, 5760),
    FrameLine("Line2", 3000, 3000, 3000, 5760),
    FrameLine("Line1", 120, 3000, 3000, 3000),
    LabelSpec{"Label15", "2 Kr", twips(2160, 3120, 495, 255), 12, Blue, ButtonText},
    LabelSpec{"Label14", "1 Kr", twips(1200, 3120, 495, 255), 12, Blue, ButtonText},
    // The result area: the no-win text in front of the black panel, which covers the prizes.
    LabelSpec{"Label13", "Ingen Gevinst ", twips(3360, 3360, 2055, 375), 14.25, Cream, ButtonText},
    PictureSpec{"Image6", ":/assets/image6.png", twips(2880, 2760, 3975, 2535), "Svart panel"},
    PictureSpec{"Image5", ":/assets/image5.png", twips(3240, 3000, 3375, 2295),
                "Gevinst: fem stabler med gullmynter"},
    PictureSpec{"Image4", ":/assets/image4.png", twips(3240, 2880, 3135, 2295),
                "Gevinst: tre stabler med gullmynter"},
    PictureSpec{"Image3", ":/assets/image3.png", twips(3360, 2760, 2640, 2490),
                "Gevinst: to høye stabler med gullmynter"},
    PictureSpec{"Image2", ":/assets/image2.png", twips(3480, 4080, 1785, 1125),
                "Gevinst: to gullmynter"},
    PictureSpec{"Image1", ":/assets/image1.png", twips(4080, 3000, 1935, 2265),
                "Gevinst: en stabel med gullmynter"},
    // The pay table.
    Prizes("Label12", "-  50 kr    -  100 kr", 3480, 1935),
    LabelSpec{"Label11", "000", twips(240, 3360, 735, 375), 20.25, Green, ButtonText},
    Prizes("Label10", "-   2 kr      -   4 kr", 5400, 1935),
    Prizes("Label9", "-  10 kr    -  20 kr", 4920, 1815),
    Prizes("Label8", "-  20 kr    -  40 kr", 4440, 1815),
    Prizes("Label7", "-  30 kr    -  60 kr             ", 3960, 1815),
    LabelSpec{"Label6", "444 333 222 1-1", twips(240, 3840, 735, 1935), 20.25, Olive, ButtonText},
    LabelSpec{"Label5", "Du vinner ved:", twips(120, 2520, 1695, 375), 12, PaleGreen, ButtonText},
    LabelSpec{"Label4", "Du har ", twips(3240, 2520, 855, 255), 11.25, Orange, ButtonText, Right},
    // The reels, right, middle and left: hidden until a spin reveals them.
    Reel("Label1", 3960, "Høyre hjul"),
    Reel("Label3", 2400, "Midtre hjul"),
    Reel("Label2", 840, "Venstre hjul"),
    LabelSpec{"Title1", "Kronesluk", twips(480, 120, 5775, 615), 26.25, Yellow, ButtonText},
}};

const std::array<MenuItemSpec, 2> GameMenu{{
    {"mnuPlay", "&Start spill på nytt", Qt::Key_F2},
    {"mnuExit", "E&xit", Qt::CTRL | Qt::Key_Q},
}};

const std::array<MenuItemSpec, 1> AboutMenu{{
    {"mnuContent", "&Game"},
}};

const std::array<MenuSpec, 2> MenuTable{{
    {"mnuSpill", "&Spill", GameMenu},
    {"mnuAbout", "&About", AboutMenu},
}};

}  // namespace

// The status bar is 17 pixels high along the bottom, its title panel at least an inch wide.
const WindowSpec Window{
    "Form2", "Kronesluk  av   [ Tindrevik ]", {448, 424}, 11.25, ControlTable, MenuTable, {17, 96},
};

}  // namespace ksl::game_window
