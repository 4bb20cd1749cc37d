#include "status_bar/clock_forms.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLabel>
#include <QTime>

#include "status_bar/clock_status_bar.h"
#include "window_design/fonts.h"

namespace ksl {
namespace {

// The font the status bar really writes its panels in.
QFontMetrics PanelMetrics() {
    const ClockStatusBar bar({17, 96}, BaskervilleBold(StatusBarPoints), nullptr);
    return bar.findChild<QLabel*>("Time")->fontMetrics();
}

TEST(ClockForms, KeepTheShortFormsThatFitAndTurnToNumbersWhereTheyDoNot) {
    struct Case {
        const char* locale;
        int width;
        const char* time;
        const char* date;
    };
    const QFontMetrics metrics = PanelMetrics();
    for (const Case& c : {
             Case{"C", 96, "HH:mm", "d MMM yyyy"},
             Case{"en_US", 96, "h:mm AP", "M/d/yy"},
             // "1:33 E PARAI", "1:33 DA MANHÃ": the words for the time of day do not fit.
             Case{"sq_AL", 96, "H:mm", "d.M.yy"},
             Case{"pt_MO", 96, "H:mm", "dd/MM/yy"},
             // Narrower panels: the date by numbers with a two-digit year, a 24-hour clock, and
             // where nothing fits, the narrowest.
             Case{"C", 70, "HH:mm", "d/MM/yy"},
             Case{"nb_NO", 70, "HH:mm", "dd.MM.yy"},
             Case{"en_US", 50, "H:mm", "M/d/yy"},
         }) {
        const QLocale locale(QString::fromUtf8(c.locale));
        const ClockForm time = FittingTimeForm(locale, metrics, c.width);
        const ClockForm date = FittingDateForm(locale, metrics, c.width, 2028);
        EXPECT_EQ(time.format, c.time) << c.locale;
        EXPECT_EQ(date.format, c.date) << c.locale;
        EXPECT_EQ(date.locale, locale) << c.locale;  // in the locale's own digits
    }
}

// Every locale Qt knows, at every hour with minutes that put every digit in both places, and on
// every day of a year.
TEST(ClockForms, EveryLocalesTimeAndDateFitTheirPanels) {
    const QFontMetrics metrics = PanelMetrics();
    constexpr int Width = ClockStatusBar::ClockPanelWidth;
    constexpr int Year = 2028;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        const ClockForm time = FittingTimeForm(locale, metrics, Width);
        for (int hour = 0; hour < 24; ++hour) {
            for (const int minute : {0, 11, 22, 33, 44, 55, 6, 17, 28, 39}) {
                const QString text = time.locale.toString(QTime(hour, minute), time.format);
                ASSERT_LE(metrics.horizontalAdvance(text), Width)
                    << locale.name().toStdString() << " \"" << text.toStdString() << "\"";
            }
        }
        const ClockForm date = FittingDateForm(locale, metrics, Width, Year);
        for (QDate day(Year, 1, 1); day.year() == Year; day = day.addDays(1)) {
            const QString text = date.locale.toString(day, date.format);
            ASSERT_LE(metrics.horizontalAdvance(text), Width)
                << locale.name().toStdString() << " \"" << text.toStdString() << "\"";
        }
    }
}

}  // namespace
}  // namespace ksl
