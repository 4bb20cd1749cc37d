#pragma once

#include <QColor>
#include <vector>

#include "raster.h"

namespace ksl::art {

// The colours one picture's coins are drawn in.
struct CoinStyle {
    std::vector<QColor> faceRamp;  // dark to light; a single colour means a flat face
    std::vector<QColor> rimRamp;   // dark to light
    QColor groove;                 // the ring just inside the face's edge
    QColor emblemLight;
    QColor emblemShadow;
    QColor outline;
};

// One coin seen from above and a little to the front: its top face is an ellipse centred on
// (x, y), its rim a band `thickness` pixels deep under it.
struct Coin {
    double x;
    double y;
    double radiusX;
    double radiusY;
    double thickness;
    bool emblem;
    int course = 0;  // its place in a stack, counted from the bottom
};

// A stack of `count` coins standing on `baseY`, each shifted a little from the one below as a
// hand-piled stack would be. The top coin carries the emblem.
std::vector<Coin> Stack(double x, double baseY, int count, double radiusX, double radiusY,
                        double thickness, unsigned seed);

// Paints the coins in order, each in front of the ones before it.
void PaintCoins(Raster& raster, const std::vector<Coin>& coins, const CoinStyle& style);

}  // namespace ksl::art
