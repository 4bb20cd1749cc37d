#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace ksl {

// A picture stretched to fill its box exactly, width and height independently, smoothly scaled.
// The picture (on a dense screen, its "@2x" twin) is read when it is first painted, scaled once
// to the box's device pixels, and only that is kept: most prize pictures stay hidden for a long
// time, and every box is smaller than its picture.
class PictureWidget : public QWidget {
  public:
    PictureWidget(QString resource, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
    QPixmap scaled_;
};

}  // namespace ksl
