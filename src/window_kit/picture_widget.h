#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ksl {

// A picture stretched to fill its box exactly, width and height independently, smoothly scaled.
// The image is read when the picture is first painted: most prize pictures stay hidden for a
// long time, so the game starts faster and smaller without them.
class PictureWidget : public QWidget {
  public:
    PictureWidget(QString resource, QWidget* parent);

    [[nodiscard]] const QPixmap& pixmap();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
    QPixmap pixmap_;
};

}  // namespace ksl
