#include "window_design/sunken_label.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

namespace ksl {
namespace {

// The classic three-dimensional frame's colours.
const QColor White{0xFF, 0xFF, 0xFF};
const QColor LightGrey{0xC0, 0xC0, 0xC0};
const QColor DarkGrey{0x80, 0x80, 0x80};
const QColor NearBlack{0x40, 0x40, 0x40};

constexpr int EdgePixels = 2;

// One ring of the edge, one device pixel wide, inset `inset` from the box: `upperLeft` along the
// top and left, `lowerRight` along the bottom and right, which also takes the two far corners.
void PaintRing(QPainter& painter, QSize box, int inset, QColor upperLeft, QColor lowerRight) {
    const int left = inset;
    const int top = inset;
    const int right = box.width() - 1 - inset;
    const int bottom = box.height() - 1 - inset;
    painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, top)), upperLeft);
    painter.fillRect(QRect(QPoint(left, top), QPoint(left, bottom - 1)), upperLeft);
    painter.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), lowerRight);
    painter.fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), lowerRight);
}

}  // namespace

SunkenLabel::SunkenLabel(QWidget* parent) : QLabel(parent) {
    // The text keeps clear of the edge as it would inside a frame of that width.
    setContentsMargins(EdgePixels, EdgePixels, EdgePixels, EdgePixels);
}

void SunkenLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        indentStale_ = true;
        if (isVisible()) {
            KeepFramedIndent();
        }
    }
}

void SunkenLabel::showEvent(QShowEvent* event) {
    if (indentStale_) {
        KeepFramedIndent();
    }
    QLabel::showEvent(event);
}

void SunkenLabel::KeepFramedIndent() {
    // As in any framed label, the text stands half an "x" in from the edge its alignment names.
    setIndent(fontMetrics().horizontalAdvance(u'x') / 2);
    indentStale_ = false;
}

int SunkenLabel::EdgeDevicePixels(qreal devicePixelRatio) {
    return std::max(EdgePixels, static_cast<int>(std::lround(EdgePixels * devicePixelRatio)));
}

void SunkenLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    const qreal ratio = devicePixelRatioF();
    const int edge = EdgeDevicePixels(ratio);
    const int outer = (edge + 1) / 2;

    // Painted in device pixels, so that every ring covers whole pixels at any density.
    QPainter painter(this);
    painter.scale(1.0 / ratio, 1.0 / ratio);
    const QSize box = (QSizeF(size()) * ratio).toSize();
    for (int ring = 0; ring < edge; ++ring) {
        if (ring < outer) {
            PaintRing(painter, box, ring, DarkGrey, White);
        } else {
            PaintRing(painter, box, ring, NearBlack, LightGrey);
        }
    }
}

}  // namespace ksl
