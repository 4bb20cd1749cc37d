#include "raster.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace ksl::art {

Raster::Raster(int width, int height, QColor background, int scale)
    : image_(width * scale, height * scale, QImage::Format_ARGB32), scale_(scale) {
    image_.fill(background);
}

void Raster::Set(int x, int y, QColor colour) {
    if (x >= 0 && y >= 0 && x < width() && y < height()) {
        image_.setPixelColor(x, y, colour);
    }
}

QColor Raster::Dither(std::span<const QColor> ramp, double level, int x, int y) {
    static constexpr std::array<std::array<int, 4>, 4> Bayer{{
        {0, 8, 2, 10},
        {12, 4, 14, 6},
        {3, 11, 1, 9},
        {15, 7, 13, 5},
    }};
    const double position = std::clamp(level, 0.0, 1.0) * static_cast<double>(ramp.size() - 1);
    const auto lower = static_cast<std::size_t>(std::floor(position));
    if (lower + 1 >= ramp.size()) {
        return ramp.back();
    }
    const double threshold =
        (Bayer[static_cast<std::size_t>(y & 3)][static_cast<std::size_t>(x & 3)] + 0.5) / 16.0;
    return position - static_cast<double>(lower) > threshold ? ramp[lower + 1] : ramp[lower];
}

}  // namespace ksl::art
