#pragma once

#include <QStatusBar>
#include <QTimer>

#include "status_bar/clock_forms.h"
#include "status_bar/status_bar_spec.h"

class QLabel;
class QDateTime;
class QTime;

namespace ksl {

// The status bar along the bottom of the welcome and game windows: the time and the date in the
// system's short formats, then "Kronesluk". It keeps time and date current by itself, waking
// only when the minute turns. Where the system's short form of the time or the date is too wide
// for its panel, the narrowest faithful form takes its place (see clock_forms.h).
class ClockStatusBar : public QStatusBar {
  public:
    // The time and date panels are an inch wide each; the title panel takes the rest.
    static constexpr int ClockPanelWidth = 96;
    // Between two panels, the common controls leave this gap.
    static constexpr int PanelGap = 2;

    // The panels write in `font`, which the forms of the time and the date are measured in.
    ClockStatusBar(const StatusBarSpec& design, const QFont& font, QWidget* parent);

    // How long after `now` the clock next shows a new minute.
    static int MillisecondsToNextMinute(const QTime& now);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ShowTime(const QDateTime& now);
    void ShowTimeAndWaitForNextMinute();

    QWidget* panels_;
    QLabel* time_;
    QLabel* date_;
    ClockForm timeForm_;
    ClockForm dateForm_;
    int dateFormYear_ = 0;
    QTimer nextMinute_;
};

}  // namespace ksl
