#include "control_json.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include "font_json.h"
#include "window_design/fonts.h"

namespace ksl::design_export {
namespace {

QJsonArray BoxJson(const QRect& box) {
    return {box.left(), box.top(), box.width(), box.height()};
}

QJsonArray PointJson(const QPoint& point) {
    return {point.x(), point.y()};
}

QString AlignmentJson(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) {
        return QStringLiteral("center");
    }
    return alignment & Qt::AlignRight ? QStringLiteral("right") : QStringLiteral("left");
}

QJsonValue Words(const char* text) {
    return text == nullptr ? QJsonValue() : QJsonValue(QString::fromUtf8(text));
}

// Bold Arial at the design's size, or the window's font where the design gives none.
QJsonObject ControlFont(double points, const QJsonObject& windowFont) {
    return points > 0 ? FontJson(ArialBold(points)) : windowFont;
}

QJsonObject Row(const LabelSpec& design, const QJsonObject& windowFont) {
    return {
        {"kind", "label"},
        {"text", Words(design.text)},
        {"box", BoxJson(design.box)},
        {"font", ControlFont(design.points, windowFont)},
        {"colour", ColourJson(design.foreground)},
        {"background", ColourJson(design.background)},
        {"align", AlignmentJson(design.alignment)},
        {"sunken", design.sunkenBorder},
        {"visible", design.visible},
        {"accessibleName", Words(design.accessibleName)},
    };
}

QJsonObject Row(const LineSpec& design, const QJsonObject& /*windowFont*/) {
    return {
        {"kind", "line"},
        {"from", PointJson(design.from)},
        {"to", PointJson(design.to)},
        {"colour", ColourJson(design.colour)},
        {"width", design.width},
    };
}

QJsonObject Row(const PictureSpec& design, const QJsonObject& /*windowFont*/) {
    // The picture's file, and its twin drawn at twice the size for denser screens.
    const QString resource = QString::fromUtf8(design.resource);
    QString twin = resource;
    twin.insert(twin.lastIndexOf(u'.'), QStringLiteral("@2x"));
    return {
        {"kind", "picture"},
        {"picture", QFileInfo(resource).fileName()},
        {"twin", QFile::exists(twin) ? QJsonValue(QFileInfo(twin).fileName()) : QJsonValue()},
        {"box", BoxJson(design.box)},
        {"accessibleName", Words(design.accessibleName)},
    };
}

QJsonObject Row(const ButtonSpec& design, const QJsonObject& windowFont) {
    return {
        {"kind", "button"},
        {"text", Words(design.text)},
        {"box", BoxJson(design.box)},
        {"font", ControlFont(design.points, windowFont)},
    };
}

}  // namespace

QJsonValue ColourJson(const QColor& colour) {
    return colour.isValid() ? QJsonValue(colour.name(QColor::HexRgb)) : QJsonValue();
}

QJsonObject ControlJson(const ControlSpec& design, int stacking, const QJsonObject& windowFont) {
    QJsonObject row = std::visit([&](const auto& spec) { return Row(spec, windowFont); }, design);
    row.insert("name", std::visit([](const auto& spec) { return Words(spec.name); }, design));
    row.insert("stacking", stacking);
    return row;
}

QJsonArray CoveringPictures(std::span<const ControlSpec> table, std::size_t index) {
    QJsonArray covering;
    const auto* picture = std::get_if<PictureSpec>(&table[index]);
    if (picture == nullptr) {
        return covering;
    }
    for (std::size_t front = 0; front < index; ++front) {
        const auto* other = std::get_if<PictureSpec>(&table[front]);
        if (other != nullptr && other->box.contains(picture->box)) {
            covering.append(QString::fromUtf8(other->name));
        }
    }
    return covering;
}

}  // namespace ksl::design_export
