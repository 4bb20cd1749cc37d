#pragma once

#include <QHash>
#include <QImage>
#include <QRect>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace ksl::testing {

// Reading a widget's grab, which holds device pixels, in the layout's own pixels.
inline QRect DeviceRect(const QImage& grab, QRect logical) {
    const qreal ratio = grab.devicePixelRatio();
    return {(QPointF(logical.topLeft()) * ratio).toPoint(),
            (QSizeF(logical.size()) * ratio).toSize()};
}
inline QRgb RgbAt(const QImage& grab, QPointF logical) {
    const QPointF device = logical * grab.devicePixelRatio();
    return grab.pixel(qFloor(device.x()), qFloor(device.y())) & 0xFFFFFFU;
}

// The colour that covers most of a box: the face behind what is drawn on it.
inline QRgb FaceColour(const QImage& grab, QRect device) {
    QHash<QRgb, int> counts;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            ++counts[grab.pixel(x, y) & 0xFFFFFFU];
        }
    }
    return std::max_element(counts.cbegin(), counts.cend()).key();  // the most counted
}

// The contrast of the box's face with the colour on it that stands out most, where the strokes
// of its letters are solid, as readers' guidelines measure it: 4.5 is what text needs.
inline double TextContrast(const QImage& grab, QRect device) {
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double face = luminance(FaceColour(grab, device));
    double contrast = 1.0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            const double ink = luminance(grab.pixel(x, y));
            contrast =
                std::max(contrast, (std::max(face, ink) + 0.05) / (std::min(face, ink) + 0.05));
        }
    }
    return contrast;
}

}  // namespace ksl::testing
