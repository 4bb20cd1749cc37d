#pragma once

#include <QStatusBar>
#include <QTimer>

#include "window_kit/window_spec.h"

class QLabel;
class QDateTime;
class QTime;
class QLocale;

namespace ksl {

// The status bar along the bottom of the welcome and game windows: the time and the date in the
// system's short formats, then "Kronesluk". It keeps time and date current by itself, waking
// only when the minute turns.
class ClockStatusBar : public QStatusBar {
  public:
    // The time and date panels are an inch wide each; the title panel takes the rest.
    static constexpr int ClockPanelWidth = 96;

    ClockStatusBar(const StatusBarSpec& design, QWidget* parent);

    // How long after `now` the clock next shows a new minute.
    static int MillisecondsToNextMinute(const QTime& now);

    // The system's short time format, to the minute.
    static QString TimeFormat(const QLocale& locale);

  private:
    void ShowTime(const QDateTime& now);
    void ShowTimeAndWaitForNextMinute();

    QLabel* time_;
    QLabel* date_;
    QTimer nextMinute_;
};

}  // namespace ksl
