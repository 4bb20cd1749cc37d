#include "status_bar/clock_forms.h"

#include <QDate>
#include <QFontMetrics>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace ksl {
namespace {

// A format string cut into its fields ("h", "mm", "MMM", "AP") and the literal text between
// them; quoted text is literal, as the locale's own words.
struct Piece {
    QString text;
    bool field;
};
using Pieces = std::vector<Piece>;

Pieces Cut(const QString& format) {
    Pieces pieces;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            const qsizetype close = format.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? format.size() : close + 1;
            pieces.push_back({format.mid(i + 1, end - i - 2), false});
            i = end;
        } else if (c.isLetter() && c.unicode() < 0x80) {
            qsizetype end = i + 1;
            while (end < format.size() && format[end] == c) {
                ++end;
            }
            pieces.push_back({format.mid(i, end - i), true});
            i = end;
        } else {
            pieces.push_back({QString(c), false});
            ++i;
        }
    }
    return pieces;
}

// Where the first field written with one of `letters` stands.
std::optional<std::size_t> Field(const Pieces& pieces, QStringView letters) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].field && letters.contains(pieces[i].text.front())) {
            return i;
        }
    }
    return std::nullopt;
}

// The literal text between two numeric fields, where it is punctuation such as ':' or '/';
// words or bare spaces between numbers would not read as a time or a date.
QString Separator(const Pieces& pieces, std::size_t first, std::size_t second,
                  const QString& otherwise) {
    QString separator;
    for (std::size_t i = std::min(first, second) + 1; i < std::max(first, second); ++i) {
        if (pieces[i].field) {
            return otherwise;
        }
        separator += pieces[i].text;
    }
    const bool punctuation =
        !separator.trimmed().isEmpty() &&
        std::none_of(separator.begin(), separator.end(), [](QChar c) { return c.isLetter(); });
    return punctuation ? separator : otherwise;
}

// "h:mm AP" becomes "H:mm": the hours of a 24-hour clock need no word for the time of day.
QString NumericTimeFormat(const QString& shortFormat) {
    const Pieces pieces = Cut(shortFormat);
    const std::optional<std::size_t> hour = Field(pieces, u"hH");
    const std::optional<std::size_t> minute = Field(pieces, u"m");
    if (!hour || !minute) {
        return QStringLiteral("HH:mm");
    }
    const bool padded = pieces[*hour].text.size() > 1;
    return (padded ? QStringLiteral("HH") : QStringLiteral("H")) +
           Separator(pieces, *hour, *minute, QStringLiteral(":")) + QStringLiteral("mm");
}

// "d MMM yyyy" becomes "d/MM/yy": day, month and year as numbers in the locale's order, the
// weekday ("ddd", "dddd") left out.
QString NumericDateFormat(const QString& shortFormat) {
    const Pieces pieces = Cut(shortFormat);
    std::vector<std::size_t> fields;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const QString& text = pieces[i].text;
        const bool weekday = text.startsWith(QStringLiteral("ddd"));
        if (pieces[i].field && QStringView(u"dMy").contains(text.front()) && !weekday) {
            fields.push_back(i);
        }
    }
    if (fields.size() != 3) {
        return QStringLiteral("d/M/yy");
    }
    const QString separator = Separator(pieces, fields[0], fields[1], QStringLiteral("/"));
    QStringList numbers;
    for (const std::size_t i : fields) {
        const QString& field = pieces[i].text;
        // A two-digit year; a month's name ("MMM", "MMMM") becomes its two-digit number.
        numbers.append(field.front() == u'y' ? QStringLiteral("yy") : field.left(2));
    }
    return numbers.join(separator);
}

using Widest = std::function<int(const ClockForm&)>;

ClockForm FirstThatFits(const std::vector<ClockForm>& forms, int width, const Widest& widest) {
    const ClockForm* narrowest = nullptr;
    int narrowestWidth = 0;
    for (const ClockForm& form : forms) {
        const int formWidth = widest(form);
        if (formWidth <= width) {
            return form;
        }
        if (narrowest == nullptr || formWidth < narrowestWidth) {
            narrowest = &form;
            narrowestWidth = formWidth;
        }
    }
    return *narrowest;
}

}  // namespace

QString ShortTimeFormat(const QLocale& locale) {
    // Some locales' short format carries seconds; a clock that turns once a minute shows none.
    // The seconds go with the separator before them; quoted text is the locale's own words.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    QString minutes;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u's') {
            if (minutes.endsWith(u':') || minutes.endsWith(u'.')) {
                minutes.chop(1);
            }
            continue;
        }
        minutes += c;
    }
    return minutes;
}

ClockForm FittingTimeForm(const QLocale& locale, const QFontMetrics& metrics, int width) {
    const QString numeric = NumericTimeFormat(ShortTimeFormat(locale));
    const Widest widest = [&metrics](const ClockForm& form) {
        const auto textWidth = [&](int hour, int minute) {
            return metrics.horizontalAdvance(
                form.locale.toString(QTime(hour, minute), form.format));
        };
        // Hours and minutes stand side by side, so the widest time is the widest hour (with
        // its word for the time of day) at the widest minutes.
        int widestHour = 0;
        int widestHourWidth = textWidth(0, 0);
        for (int hour = 1; hour < 24; ++hour) {
            if (const int hourWidth = textWidth(hour, 0); hourWidth > widestHourWidth) {
                widestHour = hour;
                widestHourWidth = hourWidth;
            }
        }
        int widestText = 0;
        for (int minute = 0; minute < 60; ++minute) {
            widestText = std::max(widestText, textWidth(widestHour, minute));
        }
        return widestText;
    };
    return FirstThatFits(
        {{locale, ShortTimeFormat(locale)}, {locale, numeric}, {QLocale::c(), numeric}}, width,
        widest);
}

namespace {

// The widest date of `year` in a form. The day and the month stand in fields of their own, so
// the widest is the widest day of the month in each month: a year's dates are measured in a
// few dozen, not in 365. A form that names the weekday is measured on every day.
int WidestDate(const ClockForm& form, const QFontMetrics& metrics, int year) {
    const auto width = [&](QDate day) {
        return metrics.horizontalAdvance(form.locale.toString(day, form.format));
    };
    int widest = 0;
    if (form.format.contains(QStringLiteral("ddd"))) {
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            widest = std::max(widest, width(day));
        }
        return widest;
    }
    // The days of January, widest first, are the days of every month in the same order.
    std::vector<std::pair<int, int>> days;  // width, day of the month
    for (int day = 1; day <= 31; ++day) {
        days.emplace_back(width(QDate(year, 1, day)), day);
    }
    std::ranges::sort(days, std::greater<>());
    for (int month = 1; month <= 12; ++month) {
        const int length = QDate(year, month, 1).daysInMonth();
        const auto day =
            std::ranges::find_if(days, [&](auto entry) { return entry.second <= length; });
        widest = std::max(widest, width(QDate(year, month, day->second)));
    }
    return widest;
}

}  // namespace

ClockForm FittingDateForm(const QLocale& locale, const QFontMetrics& metrics, int width, int year) {
    const QString numeric = NumericDateFormat(locale.dateFormat(QLocale::ShortFormat));
    return FirstThatFits({{locale, locale.dateFormat(QLocale::ShortFormat)},
                          {locale, numeric},
                          {QLocale::c(), numeric}},
                         width,
                         [&](const ClockForm& form) { return WidestDate(form, metrics, year); });
}

}  // namespace ksl
