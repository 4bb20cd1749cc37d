#include "status_bar/clock_status_bar.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include "status_bar/clock_forms.h"

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
        const QString format = ShortTimeFormat(locale);
        EXPECT_FALSE(format.contains('s')) << format.toStdString();
        EXPECT_TRUE(format.contains('m')) << format.toStdString();
    }
    EXPECT_EQ(ShortTimeFormat(QLocale::c()), "HH:mm");
    // Every locale Qt knows: no seconds are left outside its quoted words, the minutes stay.
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const QString format = ShortTimeFormat(locale);
        QString unquoted = format;
        unquoted.remove(QRegularExpression(QStringLiteral("'[^']*'")));
        EXPECT_FALSE(unquoted.contains('s'))
            << locale.name().toStdString() << " " << format.toStdString();
        EXPECT_TRUE(unquoted.contains('m'))
            << locale.name().toStdString() << " " << format.toStdString();
    }
}

}  // namespace
}  // namespace ksl
