#pragma once

#include <QWidget>

class QLabel;

namespace ksl {

// The title bar that our windows draw themselves on Wayland. Qt's own one there offers to
// minimise and maximise every window, fixed or not; this one has what a fixed window has: its
// icon, its caption and a close box. Dragging it moves the window.
class TitleBar : public QWidget {
  public:
    static constexpr int Height = 28;

    explicit TitleBar(QWidget& window);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowCaption();

    QWidget& window_;
    QLabel* caption_;
};

}  // namespace ksl
