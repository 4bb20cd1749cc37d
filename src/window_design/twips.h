#pragma once

#include <QPoint>
#include <QRect>

namespace ksl {

// The layout is designed in twips, 15 to a pixel at 96 dots per inch. Qt scales logical pixels
// on high-DPI screens by itself, so converting once here is all it takes.
inline constexpr int TwipsPerPixel = 15;

constexpr int twips(int value) {
    return value / TwipsPerPixel;
}

constexpr QPoint twips(int x, int y) {
    return {twips(x), twips(y)};
}

constexpr QRect twips(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

}  // namespace ksl
