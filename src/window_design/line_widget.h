#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace ksl {

// A straight line of a given colour and width, centred on its end points (given in the parent's
// coordinates). It covers only the line's bounding box and lets clicks through.
class LineWidget : public QWidget {
  public:
    LineWidget(QPoint from, QPoint to, QColor colour, int width, QWidget* parent);

    [[nodiscard]] QLine line() const { return line_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLine line_;
    QColor colour_;
    int width_;
};

}  // namespace ksl
