#include "window_frame/fixed_size.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "window_frame/on_wayland.h"

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
            QTimer::singleShot(0, &window_, [this] { BackToNormal(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void BackToNormal() {
        if (!OnWayland()) {
            window_.showNormal();
            return;
        }
        // Weston maximises even a window of fixed size, and Qt has already answered that the
        // window took the state at its own size. Asking for the normal state brings no answer
        // while nothing has been drawn since, and the next frame drawn would break the
        // connection to the compositor. A window shown afresh starts out normal.
        const bool wasActive = window_.isActiveWindow();
        window_.hide();
        window_.setWindowState(Qt::WindowNoState);
        window_.show();
        if (wasActive) {
            window_.activateWindow();
        }
    }

    QWidget& window_;
};

}  // namespace

void KeepAtItsSize(QWidget& window) {
    new SizeKeeper(window);
}

}  // namespace ksl
