#include "platform/qt_timer_factory.h"

#include <QTimer>

namespace ksl {
namespace {

class QtGameTimer final : public GameTimer {
  public:
    QtGameTimer(const std::string& name, int intervalMs) {
        timer_.setObjectName(QString::fromStdString(name));
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTick) {
                onTick();
            }
        });
    }

    void SetEnabled(bool enabled) override {
        if (!enabled) {
            timer_.stop();
        } else if (!timer_.isActive()) {
            timer_.start();
        }
    }

    [[nodiscard]] bool IsEnabled() const override { return timer_.isActive(); }
    [[nodiscard]] int Interval() const override { return timer_.interval(); }

  private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<GameTimer> QtTimerFactory::MakeTimer(const std::string& name, int intervalMs) {
    return std::make_unique<QtGameTimer>(name, intervalMs);
}

}  // namespace ksl
