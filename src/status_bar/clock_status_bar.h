#pragma once

#include <QDateTime>
#include <QStatusBar>
#include <QTimer>
#include <functional>

#include "status_bar/clock_forms.h"
#include "status_bar/status_bar_spec.h"

class QLabel;

namespace ksl {

// The status bar along the bottom of the welcome and game windows: the time and the date in the
// system's short formats, then "Kronesluk". It keeps time and date current by itself, waking
// only when the minute on screen turns, and not at all while its window is hidden. Where the
// system's short form of the time or the date is too wide for its panel, the narrowest faithful
// form takes its place (see clock_forms.h).
class ClockStatusBar : public QStatusBar {
  public:
    // The time and date panels are an inch wide each; the title panel takes the rest.
    static constexpr int ClockPanelWidth = 96;
    // Between two panels, the common controls leave this gap.
    static constexpr int PanelGap = 2;

    // Where the clock reads the time: the system's clock, or a simulated one in tests.
    using WallClock = std::function<QDateTime()>;

    // The panels write in `font`, which the forms of the time and the date are measured in.
    ClockStatusBar(
        const StatusBarSpec& design, const QFont& font, QWidget* parent,
        WallClock wallClock = [] { return QDateTime::currentDateTime(); });

    // When the clock wakes next to show a new minute; none while the bar is not on screen.
    [[nodiscard]] QDateTime NextWake() const;

    // The start of the minute after `now`'s.
    static QDateTime NextMinute(const QDateTime& now);
    // The time to show on waking at `now` for the minute `awaited`. The timer's clock and the
    // wall clock drift apart a little, and a wake a hair early still shows the minute it waited
    // for, rather than the old one and a second wake straight after.
    static QDateTime ShownOnWaking(const QDateTime& now, const QDateTime& awaited);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ShowTime(const QDateTime& now);
    void ShowTimeAndWaitForNextMinute();

    QWidget* panels_;
    QLabel* time_;
    QLabel* date_;
    ClockForm timeForm_;
    ClockForm dateForm_;
    int dateFormYear_ = 0;
    WallClock wallClock_;
    QDateTime nextWake_;  // the minute the clock waits for
    QTimer nextMinute_;
};

}  // namespace ksl
