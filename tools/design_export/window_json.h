#pragma once

#include <QJsonObject>

#include "window_design/window_spec.h"

class QWidget;

namespace ksl::design_export {

// A window of the desktop built from its design, as the exporter reads it.
struct BuiltWindow {
    const WindowSpec& design;
    const QWidget& window;
    const QWidget& face;  // the area its controls stand on
    QJsonObject font;     // the font of controls without one of their own
    const char* spokenCaption =
        nullptr;  // the window's name for a screen reader, if not its caption
};

// A window's design as the page builds it. The controls come in the order a screen reader reads
// them on the desktop, each label followed by the labels that carry its line on, and the
// controls left unread (the lines) last; each says which of the three it is: "alone", "line" or
// "unread".
[[nodiscard]] QJsonObject WindowJson(const BuiltWindow& built);

}  // namespace ksl::design_export
