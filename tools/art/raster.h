#pragma once

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <span>

namespace ksl::art {

// A picture painted pixel by pixel, so that it holds exactly the colours of its palette.
class Raster {
  public:
    Raster(int width, int height, QColor background);

    [[nodiscard]] int width() const { return image_.width(); }
    [[nodiscard]] int height() const { return image_.height(); }
    [[nodiscard]] const QImage& image() const { return image_; }

    void Set(int x, int y, QColor colour);

    // Ordered dithering: mixes `ramp` by `level` in [0, 1], the way a 16-colour screen shades.
    static QColor Dither(std::span<const QColor> ramp, double level, int x, int y);

  private:
    QImage image_;
};

}  // namespace ksl::art
