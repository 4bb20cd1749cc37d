#pragma once

#include <QJsonObject>

class QFont;

namespace ksl::design_export {

// A font as the page sets it: its family ("" for the platform's own), its pixel size, its weight
// and, for the design's own families, the distance from one line of text to the next as the
// desktop lays lines out.
[[nodiscard]] QJsonObject FontJson(const QFont& font, bool platformFamily = false);

}  // namespace ksl::design_export
