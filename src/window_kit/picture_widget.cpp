#include "window_kit/picture_widget.h"

#include <QPainter>
#include <utility>

namespace ksl {

PictureWidget::PictureWidget(QString resource, QWidget* parent)
    : QWidget(parent), resource_(std::move(resource)) {}

const QPixmap& PictureWidget::pixmap() {
    if (pixmap_.isNull()) {
        pixmap_.load(resource_);
    }
    return pixmap_;
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), pixmap());
}

}  // namespace ksl
