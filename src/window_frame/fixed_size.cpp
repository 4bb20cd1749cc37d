#include "window_frame/fixed_size.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ksl {
namespace {

// Lives as the window's child, so it goes when the window goes.
class SizeKeeper final : public QObject {
  public:
    explicit SizeKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange &&
            (window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            // Once the state change has been handled: asking for the normal state from inside
            // it would be overruled by the state being applied.
            QTimer::singleShot(0, &window_, &QWidget::showNormal);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& window_;
};

}  // namespace

void KeepAtItsSize(QWidget& window) {
    new SizeKeeper(window);
}

}  // namespace ksl
