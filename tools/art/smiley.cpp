#include "smiley.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ksl::art {
namespace {

const QColor Yellow{0xFF, 0xFF, 0x00};
const QColor Black{0x00, 0x00, 0x00};
const QColor Red{0xFF, 0x00, 0x00};

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    const double u = (x - cx) / rx;
    const double v = (y - cy) / ry;
    return u * u + v * v <= 1.0;
}

double DistanceToSegment(double x, double y, double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double t = std::clamp(((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (x1 + t * dx), y - (y1 + t * dy));
}

}  // namespace

QImage Smiley(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double n = size;
    const double centre = n / 2.0;
    const double radius = n / 2.0 - 0.25;
    const double line = std::max(1.0, n / 20.0);

    // The smile: an arc under the centre, from 25 to 155 degrees, with strokes across its ends.
    const double smileCentreY = n * 0.44;
    const double smileRadius = n * 0.29;
    constexpr double FirstAngle = 25.0 * std::numbers::pi / 180.0;
    constexpr double LastAngle = 155.0 * std::numbers::pi / 180.0;
    const auto arcEnd = [&](double angle, double reach) {
        return QPointF(centre + std::cos(angle) * (smileRadius + reach),
                       smileCentreY + std::sin(angle) * (smileRadius + reach));
    };

    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            const double x = px + 0.5;
            const double y = py + 0.5;
            const double fromCentre = std::hypot(x - centre, y - centre);
            if (fromCentre > radius) {
                continue;
            }
            QColor colour = fromCentre > radius - line ? Black : Yellow;

            // Tall oval eyes.
            for (const double eyeX : {n * 0.35, n * 0.65}) {
                if (InEllipse(x, y, eyeX, n * 0.36, n * 0.065, n * 0.13)) {
                    colour = Black;
                }
            }

            // The tongue hangs from the middle of the smile.
            if (y > smileCentreY + smileRadius &&
                InEllipse(x, y, centre, smileCentreY + smileRadius + n * 0.015, n * 0.09,
                          n * 0.09)) {
                colour = Red;
            }

            const double angle = std::atan2(y - smileCentreY, x - centre);
            const double fromSmile = std::hypot(x - centre, y - smileCentreY);
            if (angle >= FirstAngle && angle <= LastAngle &&
                std::abs(fromSmile - smileRadius) <= line * 0.75) {
                colour = Black;
            }
            for (const double end : {FirstAngle, LastAngle}) {
                const QPointF inner = arcEnd(end, -n * 0.06);
                const QPointF outer = arcEnd(end, n * 0.06);
                if (DistanceToSegment(x, y, inner.x(), inner.y(), outer.x(), outer.y()) <=
                    line * 0.6) {
                    colour = Black;
                }
            }
            image.setPixelColor(px, py, colour);
        }
    }
    return image;
}

}  // namespace ksl::art
