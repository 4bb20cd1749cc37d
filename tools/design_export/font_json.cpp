#include "font_json.h"

#include <QFont>
#include <QFontMetrics>

namespace ksl::design_export {

QJsonObject FontJson(const QFont& font, bool platformFamily) {
    QJsonObject json{
        {"family", platformFamily ? QString() : font.family()},
        {"pixels", font.pixelSize()},
        {"weight", font.bold() ? 700 : 400},
    };
    // The platform's own font differs from one platform to the next, and so do its lines.
    if (!platformFamily) {
        json.insert("lineSpacing", QFontMetrics(font).lineSpacing());
    }
    return json;
}

}  // namespace ksl::design_export
