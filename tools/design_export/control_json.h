#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <span>

#include "window_design/control_spec.h"

namespace ksl::design_export {

// One control of a design as the page builds it. `stacking` counts from the back (the higher,
// the nearer the front); `windowFont` is the font of controls that have none of their own.
[[nodiscard]] QJsonObject ControlJson(const ControlSpec& design, int stacking,
                                      const QJsonObject& windowFont);

// The names of the pictures in front of the picture at `index` of `table` (listed front to
// back) that cover it wholly: while one of them shows, the picture is out of sight.
[[nodiscard]] QJsonArray CoveringPictures(std::span<const ControlSpec> table, std::size_t index);

// A colour as #rrggbb; null where the design leaves the system's colour.
[[nodiscard]] QJsonValue ColourJson(const QColor& colour);

}  // namespace ksl::design_export
