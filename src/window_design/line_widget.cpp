#include "window_design/line_widget.h"

#include <QPainter>

#include "accessibility/reading.h"

namespace ksl {

LineWidget::LineWidget(QPoint from, QPoint to, QColor colour, int width, QWidget* parent)
    : QWidget(parent), line_(from, to), colour_(colour), width_(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    LeaveUnread(*this);
    // Square caps reach half the width past each end, so the box grows by that much all round.
    const int reach = (width + 1) / 2;
    setGeometry(QRect(from, to).normalized().adjusted(-reach, -reach, reach, reach));
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A square cap closes the corners where two lines of a frame meet.
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::SquareCap));
    painter.translate(-pos());
    // A line of odd width is centred on the middle of its pixels, so that it covers whole
    // pixels of the layout on every screen: at twice the density, a one-pixel line centred on
    // a pixel's edge would cover half of each of two.
    const qreal centre = width_ % 2 == 1 ? 0.5 : 0.0;
    painter.drawLine(QLineF(line_).translated(centre, centre));
}

}  // namespace ksl
