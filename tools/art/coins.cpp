#include "coins.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ksl::art {
namespace {

// The emblem stamped on every top coin: an irregular crest, in the coin face's unit circle.
const QPolygonF& EmblemShape() {
    static const QPolygonF shape{QVector<QPointF>{
        {-0.42, -0.30},
        {-0.22, -0.46},
        {-0.10, -0.28},
        {0.04, -0.50},
        {0.16, -0.26},
        {0.36, -0.40},
        {0.30, -0.08},
        {0.46, 0.06},
        {0.22, 0.16},
        {0.30, 0.40},
        {0.04, 0.28},
        {-0.12, 0.46},
        {-0.20, 0.20},
        {-0.44, 0.24},
        {-0.30, 0.00},
        {-0.50, -0.12},
    }};
    return shape;
}

bool InEmblem(double u, double v) {
    return EmblemShape().containsPoint({u, v}, Qt::OddEvenFill);
}

QColor FaceColour(const Coin& coin, const CoinStyle& style, double u, double v, int x, int y) {
    const double r = std::hypot(u, v);
    if (r > 0.80 && r < 0.88) {
        return style.groove;
    }
    // Light falls from the upper left.
    double level = 0.58 - 0.30 * u - 0.30 * v;
    if (coin.emblem && InEmblem(u, v)) {
        const double du = 1.6 / coin.radiusX;
        const double dv = 1.6 / coin.radiusY;
        if (!InEmblem(u - du, v - dv)) {
            return style.emblemLight;
        }
        if (!InEmblem(u + du, v + dv)) {
            return style.emblemShadow;
        }
        level += 0.18;
    }
    return Raster::Dither(style.faceRamp, level, x, y);
}

QColor RimColour(const Coin& coin, const CoinStyle& style, double u, double depth, int x, int y) {
    // Bricks: segments of equal angle round the rim, every other coin's offset by half a
    // segment, so that a stack reads as courses of brick.
    constexpr double Segments = 14.0;
    const double angle = std::acos(std::clamp(u, -1.0, 1.0)) / std::numbers::pi * Segments;
    const double brick = angle + (coin.course % 2 == 1 ? 0.5 : 0.0);
    const double jointWidth =
        0.9 / (coin.radiusX * std::sqrt(std::max(1e-3, 1 - u * u))) * Segments / std::numbers::pi;
    if (brick - std::floor(brick) < jointWidth) {
        return style.outline;
    }
    // Lit from the upper left: lighter towards the left and the top of the band.
    return Raster::Dither(style.rimRamp, 0.85 - 0.45 * u - 0.35 * depth, x, y);
}

void PaintCoin(Raster& raster, const Coin& coin, const CoinStyle& style) {
    const auto device = [&](double picturePixel) {
        return static_cast<int>(std::floor(picturePixel * raster.scale()));
    };
    const int left = device(coin.x - coin.radiusX) - 1;
    const int right = device(coin.x + coin.radiusX) + raster.scale();
    const int top = device(coin.y - coin.radiusY) - 1;
    const int bottom = device(coin.y + coin.thickness + coin.radiusY) + raster.scale();
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double u = (raster.Centre(x) - coin.x) / coin.radiusX;
            if (std::abs(u) > 1.0) {
                continue;
            }
            const double halfHeight = coin.radiusY * std::sqrt(1.0 - u * u);
            const double py = raster.Centre(y);
            const double faceTop = coin.y - halfHeight;
            const double faceBottom = coin.y + halfHeight;
            const double rimBottom = faceBottom + coin.thickness;
            if (py < faceTop || py > rimBottom) {
                continue;
            }
            const bool onSilhouette = std::abs(u) > 1.0 - 1.1 / coin.radiusX ||
                                      py < faceTop + 1.0 || py > rimBottom - 1.0;
            const bool onFaceEdge = py > faceBottom - 1.0 && py <= faceBottom;
            if (onSilhouette || onFaceEdge) {
                raster.Set(x, y, style.outline);
            } else if (py < faceBottom) {
                raster.Set(x, y, FaceColour(coin, style, u, (py - coin.y) / coin.radiusY, x, y));
            } else {
                raster.Set(x, y,
                           RimColour(coin, style, u, (py - faceBottom) / coin.thickness, x, y));
            }
        }
    }
}

}  // namespace

std::vector<Coin> Stack(double x, double baseY, int count, double radiusX, double radiusY,
                        double thickness, unsigned seed) {
    std::vector<Coin> coins;
    double shift = 0;
    for (int i = 0; i < count; ++i) {
        // A small, repeatable wobble of a pixel or two either way.
        seed = seed * 1103515245U + 12345U;
        shift = std::clamp(shift + static_cast<double>((seed >> 16U) % 5U) - 2.0, -4.0, 4.0);
        const double y = baseY - radiusY - thickness - i * thickness;
        coins.push_back({x + shift, y, radiusX, radiusY, thickness, i == count - 1, i});
    }
    return coins;
}

void PaintCoins(Raster& raster, const std::vector<Coin>& coins, const CoinStyle& style) {
    for (const Coin& coin : coins) {
        PaintCoin(raster, coin, style);
    }
}

}  // namespace ksl::art
