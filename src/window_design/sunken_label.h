#pragma once

#include <QLabel>

namespace ksl {

// A label with a fixed single border drawn as the classic sunken three-dimensional edge: an
// outer band dark grey above and left, white below and right, and an inner band near-black
// above and left, light grey below and right. Each band is a pixel wide at 96 dots per inch and
// as wide as the screen's density makes a pixel, in whole device pixels, so the edge stays
// crisp and in proportion on every screen.
class SunkenLabel : public QLabel {
  public:
    explicit SunkenLabel(QWidget* parent);

    // The edge's thickness in device pixels at a device pixel ratio: two pixels scaled, rounded.
    static int EdgeDevicePixels(qreal devicePixelRatio);

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void KeepFramedIndent();

    // The indent is measured in the label's font when it is first shown, not when it is made:
    // the reels stay hidden for a while, and measuring would load their large font at start-up.
    bool indentStale_ = true;
};

}  // namespace ksl
