#include "about/about_layout.h"

#include <array>
#include <string>

#include "window_design/twips.h"

namespace ksl::about_dialog {
namespace {

const QColor Black{0x00, 0x00, 0x00};
const QColor NoColour;  // the system's dialog colours
constexpr double DialogFont = 0;

// The long runs of spaces push the words after them onto a line of their own.
const std::string Description = "Er du spillegal?" + std::string(48, ' ') +
                                "Da er  \" Kronesluk \"  noe for deg!" + std::string(3, ' ') +
                                "Velg mellom å spille for 1kr eller 2kr for større sum.";
const std::string Disclaimer =
    "Advarsel !" + std::string(47, ' ') + "Er ikke motvirkende mot spillegalskap ";

const std::array<ControlSpec, 9> ControlTable{{
    // The engraved rule: the grey line lies over the upper half of the white one, so that grey
    // shows above white, a groove cut into the face.
    LineSpec{"Line1", twips(120, 1785), twips(5565, 1785), QColor(0x80, 0x80, 0x80), 1},
    LineSpec{"Line1", twips(120, 1800), twips(5550, 1800), QColor(0xFF, 0xFF, 0xFF), 2},
    ButtonSpec{"cmdOK", "OK", twips(4245, 1920, 1260, 345)},
    ButtonSpec{"cmdSysInfo", "&System Info...", twips(4260, 2400, 1245, 345)},
    PictureSpec{"picIcon", ":/assets/smiley.png", twips(240, 240, 480, 480), "Kronesluk"},
    LabelSpec{"lblTitle", "Kronesluk", twips(1050, 240, 3885, 240), DialogFont, Black, NoColour},
    LabelSpec{"Label1", "Versjon 2000 Pro      av  Tindrevik", twips(1080, 600, 3975, 255),
              DialogFont, NoColour, NoColour},
    LabelSpec{"lblDescription", Description.c_str(), twips(1050, 960, 3405, 810), DialogFont, Black,
              NoColour},
    LabelSpec{"lblDisclaimer", Disclaimer.c_str(), twips(120, 2040, 2895, 585), DialogFont, Black,
              NoColour},
}};

}  // namespace

const WindowSpec Window{"frmAbout", "About Kronesluk", {382, 190}, 8, ControlTable, {}, {}};

}  // namespace ksl::about_dialog
