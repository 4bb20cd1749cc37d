#include "window_kit/clock_status_bar.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTime>

namespace ksl {
namespace {

TEST(ClockStatusBar, WakesExactlyWhenTheMinuteTurns) {
    struct Case {
        QTime now;
        int wait;
    };
    for (const Case& c : {Case{QTime(12, 0, 0, 0), 60'000}, Case{QTime(12, 0, 59, 999), 1},
                          Case{QTime(23, 59, 30, 250), 29'750}, Case{QTime(0, 0, 0, 1), 59'999}}) {
        EXPECT_EQ(ClockStatusBar::MillisecondsToNextMinute(c.now), c.wait)
            << c.now.toString("HH:mm:ss.zzz").toStdString();
    }
}

TEST(ClockStatusBar, ShowsTheShortTimeWithoutSeconds) {
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::NorwegianBokmal),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        const QString format = ClockStatusBar::TimeFormat(locale);
        EXPECT_FALSE(format.contains('s')) << format.toStdString();
        EXPECT_TRUE(format.contains('m')) << format.toStdString();
    }
    EXPECT_EQ(ClockStatusBar::TimeFormat(QLocale::c()), "HH:mm");
}

}  // namespace
}  // namespace ksl
