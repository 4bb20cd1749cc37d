#pragma once

#include <QPixmap>
#include <QWidget>

namespace ksl {

// A picture stretched to fill its box exactly, width and height independently, smoothly scaled.
class PictureWidget : public QWidget {
  public:
    PictureWidget(QPixmap pixmap, QWidget* parent);

    [[nodiscard]] const QPixmap& pixmap() const { return pixmap_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap pixmap_;
};

}  // namespace ksl
