#pragma once

#include <QJsonObject>

namespace ksl::design_export {

// design.json, which the browser edition builds its windows from: "windows" (the welcome
// window, the game window and the About dialog, see window_json.h), "timers" (the reveal's
// timers and their intervals), "messages" (the message box's caption and OK, and what System
// Info says where the tool cannot be found), "numberCharacters" (what a whole number's text is
// written with) and "typefaces" (the faces that serve the design's font families). Needs a
// QApplication with the design's font substitutes registered.
[[nodiscard]] QJsonObject DesignJson();

}  // namespace ksl::design_export
