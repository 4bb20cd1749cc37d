#include "window_kit/picture_widget.h"

#include <QImage>
#include <QPainter>
#include <utility>

namespace ksl {

PictureWidget::PictureWidget(QString resource, QWidget* parent)
    : QWidget(parent), resource_(std::move(resource)) {}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (scaled_.size() != devicePixels || scaled_.devicePixelRatio() != ratio) {
        scaled_ = QPixmap::fromImage(QImage(resource_).scaled(devicePixels, Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(rect(), scaled_);
}

}  // namespace ksl
