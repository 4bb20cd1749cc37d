#include "window_frame/close_box.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace ksl {
namespace {

// Lives as the window's child, so it goes when the window goes.
class CloseBoxFilter final : public QObject {
  public:
    CloseBoxFilter(QWidget& window, std::function<void()> closed)
        : QObject(&window), closed_(std::move(closed)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close) {
            return QObject::eventFilter(watched, event);
        }
        event->ignore();
        // A copy: the owner may unload the window, and with it this filter, while it runs.
        const std::function<void()> closed = closed_;
        closed();
        return true;
    }

  private:
    std::function<void()> closed_;
};

}  // namespace

void OnCloseBox(QWidget& window, std::function<void()> closed) {
    new CloseBoxFilter(window, std::move(closed));
}

}  // namespace ksl
