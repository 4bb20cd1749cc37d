#pragma once

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <span>

namespace ksl::art {

// A picture painted pixel by pixel, so that it holds exactly the colours of its palette. Its
// subject is laid out in picture pixels; `scale` device pixels draw each of them, so a picture
// for a screen of twice the density shows the same subject with lines of the same weight.
class Raster {
  public:
    Raster(int width, int height, QColor background, int scale = 1);

    // In device pixels.
    [[nodiscard]] int width() const { return image_.width(); }
    [[nodiscard]] int height() const { return image_.height(); }
    [[nodiscard]] int scale() const { return scale_; }
    [[nodiscard]] const QImage& image() const { return image_; }

    // Where the centre of device pixel `x` (or `y`) lies, in picture pixels.
    [[nodiscard]] double Centre(int devicePixel) const { return (devicePixel + 0.5) / scale_; }

    void Set(int x, int y, QColor colour);

    // Ordered dithering: mixes `ramp` by `level` in [0, 1], the way a 16-colour screen shades,
    // at device pixel (x, y): the dither stays as fine as the screen's own pixels.
    static QColor Dither(std::span<const QColor> ramp, double level, int x, int y);

  private:
    QImage image_;
    int scale_;
};

}  // namespace ksl::art
