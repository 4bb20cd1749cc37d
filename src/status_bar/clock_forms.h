#pragma once

#include <QLocale>
#include <QString>

class QFontMetrics;

namespace ksl {

// How the status bar writes the time or the date: a format, and the locale whose words and
// digits write it.
struct ClockForm {
    QLocale locale;
    QString format;
};

// The locale's short time format, to the minute.
QString ShortTimeFormat(const QLocale& locale);

// The form of the time that fits `width` pixels in `metrics` at every minute of the day: the
// locale's short form if it fits, else its numeric 24-hour form, else that form in Western
// digits; where none fits, the narrowest of them. One form for the whole day, so the clock
// never changes its look from one hour to the next.
ClockForm FittingTimeForm(const QLocale& locale, const QFontMetrics& metrics, int width);

// Likewise for the date on every day of `year`: the locale's short form, else its numeric form
// with a two-digit year, else that form in Western digits.
ClockForm FittingDateForm(const QLocale& locale, const QFontMetrics& metrics, int width, int year);

}  // namespace ksl
