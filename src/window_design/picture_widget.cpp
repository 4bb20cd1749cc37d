#include "window_design/picture_widget.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <utility>

#include "accessibility/reading.h"

namespace ksl {
namespace {

// A picture's twin drawn at twice its size, named by Qt's "@2x" convention. Qt finds such twins
// for icons only, so pictures look for theirs here. Every screen denser than the ordinary one
// takes the twin: scaled down to the box, it stays sharp where the picture scaled up would blur.
QString PictureFor(const QString& resource, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QString twin = resource;
        twin.insert(twin.lastIndexOf(u'.'), QStringLiteral("@2x"));
        if (QFile::exists(twin)) {
            return twin;
        }
    }
    return resource;
}

}  // namespace

PictureWidget::PictureWidget(QString resource, QWidget* parent)
    : QWidget(parent), resource_(std::move(resource)) {
    ReadAsPicture(*this);
}

void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(size()) * ratio).toSize();
    if (scaled_.size() != devicePixels || scaled_.devicePixelRatio() != ratio) {
        scaled_ = QPixmap::fromImage(
            QImage(PictureFor(resource_, ratio))
                .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(rect(), scaled_);
}

}  // namespace ksl
