#include "window_kit/picture_widget.h"

#include <QPainter>
#include <utility>

namespace ksl {

PictureWidget::PictureWidget(QPixmap pixmap, QWidget* parent)
    : QWidget(parent), pixmap_(std::move(pixmap)) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap_);
}

}  // namespace ksl
