#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>

namespace ksl::testing {

// Reading a widget's grab in the layout's own pixels, whatever the density of the screen: the
// grab holds device pixels and knows how many of them make one of the layout's.

// The device pixels under a box of the layout's pixels.
inline QRect DeviceRect(const QImage& grab, QRect logical) {
    const qreal ratio = grab.devicePixelRatio();
    return {(QPointF(logical.topLeft()) * ratio).toPoint(),
            (QSizeF(logical.size()) * ratio).toSize()};
}

// The colour under a point of the layout, without alpha.
inline QRgb RgbAt(const QImage& grab, QPointF logical) {
    return grab.pixel((logical * grab.devicePixelRatio()).toPoint()) & 0xFFFFFFU;
}

// The colour that covers most of a box: the face behind whatever is drawn on it.
inline QRgb FaceColour(const QImage& grab, QRect device) {
    QHash<QRgb, int> counts;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            ++counts[grab.pixel(x, y) & 0xFFFFFFU];
        }
    }
    // A hash's iterators point at the counts, and know the colour they count.
    return std::max_element(counts.cbegin(), counts.cend()).key();
}

// How many device rows, from the first to the last, carry anything but the face.
inline int InkHeight(const QImage& grab, QRect device) {
    const QRgb face = FaceColour(grab, device);
    int first = -1;
    int last = -1;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            if ((grab.pixel(x, y) & 0xFFFFFFU) != face) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// `text` drawn in `font` at a density, with room all round, so nothing of it can be cut.
inline QImage Unclipped(const QString& text, const QFont& font, qreal ratio) {
    const QFontMetrics metrics(font);
    const QSize room(metrics.horizontalAdvance(text) + 2 * metrics.height(), 3 * metrics.height());
    QImage image((QSizeF(room) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(metrics.height(), metrics.height() + metrics.ascent(), text);
    return image;
}

// The contrast ratio of the two colours as readers' guidelines measure it: 1 for none, 21 for
// black on white; 4.5 is what ordinary text needs.
inline double Contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
               0.0722 * channel(qBlue(rgb));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How well the text in a box stands out: the face against the colour on it that stands out most,
// which is where the strokes of the letters are solid.
inline double TextContrast(const QImage& grab, QRect device) {
    const QRgb face = FaceColour(grab, device);
    double best = 1.0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            best = std::max(best, Contrast(face, grab.pixel(x, y) & 0xFFFFFFU));
        }
    }
    return best;
}

}  // namespace ksl::testing
