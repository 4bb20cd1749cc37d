#include "status_bar/clock_status_bar.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFont>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QWidget>

#include "status_bar/clock_forms.h"

namespace ksl {
namespace {

QDateTime At(int hour, int minute, int second = 0, int ms = 0) {
    return {QDate(2024, 5, 17), QTime(hour, minute, second, ms)};
}

TEST(ClockStatusBar, WakesExactlyWhenTheMinuteTurns) {
    struct Case {
        QDateTime now;
        QDateTime next;
    };
    for (const Case& c : {Case{At(12, 0), At(12, 1)}, Case{At(12, 0, 59, 999), At(12, 1)},
                          Case{At(12, 34, 56), At(12, 35)},
                          Case{At(23, 59, 30, 250), QDateTime(QDate(2024, 5, 18), QTime(0, 0))},
                          Case{At(0, 0, 0, 1), At(0, 1)}}) {
        EXPECT_EQ(ClockStatusBar::NextMinute(c.now), c.next)
            << c.now.toString("HH:mm:ss.zzz").toStdString();
    }
}

TEST(ClockStatusBar, AWakeAHairEarlyShowsTheMinuteItWaitedFor) {
    struct Case {
        QDateTime now;
        QDateTime shown;
    };
    const QDateTime awaited = At(12, 35);
    for (const Case& c : {Case{At(12, 35, 0, 3), At(12, 35, 0, 3)},
                          // The timer's clock runs a little ahead of the wall clock.
                          Case{At(12, 34, 59, 970), awaited},
                          // The wall clock was set back, or forward, or the machine slept.
                          Case{At(11, 35), At(11, 35)}, Case{At(14, 2, 7), At(14, 2, 7)}}) {
        EXPECT_EQ(ClockStatusBar::ShownOnWaking(c.now, awaited), c.shown)
            << c.now.toString("HH:mm:ss.zzz").toStdString();
    }
}

TEST(ClockStatusBar, OnScreenWakesOnlyForTheNextMinuteAndHiddenNotAtAll) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    QDateTime now = At(12, 34, 56);
    QWidget window;
    auto* bar = new ClockStatusBar(StatusBarSpec{17, 200}, QFont(), &window, [&] { return now; });
    const auto* time = bar->findChild<QLabel*>(QStringLiteral("Time"));
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->text(), "12:34");
    EXPECT_FALSE(bar->NextWake().isValid());  // not on screen yet

    window.show();
    EXPECT_EQ(bar->NextWake(), At(12, 35));
    window.hide();
    EXPECT_FALSE(bar->NextWake().isValid());

    // Shown again later: the time is current at once, and the next wake is the next minute.
    now = At(12, 40, 10);
    window.show();
    EXPECT_EQ(time->text(), "12:40");
    EXPECT_EQ(bar->NextWake(), At(12, 41));
    QLocale::setDefault(before);
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
