#include "window_kit/clock_status_bar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

#include "window_kit/fonts.h"

namespace ksl {
namespace {

QLabel* AddPanel(QStatusBar& bar, const QString& key, int stretch) {
    auto* panel = new QLabel(&bar);
    panel->setObjectName(key);
    panel->setToolTip(key);
    panel->setTextFormat(Qt::PlainText);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bar.addWidget(panel, stretch);
    return panel;
}

}  // namespace

ClockStatusBar::ClockStatusBar(const StatusBarSpec& design, QWidget* parent)
    : QStatusBar(parent),
      time_(AddPanel(*this, QStringLiteral("Time"), 0)),
      date_(AddPanel(*this, QStringLiteral("Date"), 0)) {
    setObjectName(QStringLiteral("StatusBar1"));
    setFont(BaskervilleBold(12));
    setSizeGripEnabled(false);
    setFixedHeight(design.height);
    time_->setFixedWidth(ClockPanelWidth);
    date_->setFixedWidth(ClockPanelWidth);
    QLabel* title = AddPanel(*this, QStringLiteral("KSL"), 1);
    title->setText(QStringLiteral("Kronesluk"));
    title->setMinimumWidth(design.titlePanelMinimumWidth);

    nextMinute_.setSingleShot(true);
    nextMinute_.setTimerType(Qt::PreciseTimer);
    connect(&nextMinute_, &QTimer::timeout, this, [this] { ShowTimeAndWaitForNextMinute(); });
    ShowTimeAndWaitForNextMinute();
}

int ClockStatusBar::MillisecondsToNextMinute(const QTime& now) {
    constexpr int MinuteMs = 60'000;
    return MinuteMs - (now.second() * 1000 + now.msec());
}

QString ClockStatusBar::TimeFormat(const QLocale& locale) {
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

void ClockStatusBar::ShowTime(const QDateTime& now) {
    const QLocale locale;
    time_->setText(locale.toString(now.time(), TimeFormat(locale)));
    date_->setText(locale.toString(now.date(), QLocale::ShortFormat));
}

void ClockStatusBar::ShowTimeAndWaitForNextMinute() {
    const QDateTime now = QDateTime::currentDateTime();
    ShowTime(now);
    nextMinute_.start(MillisecondsToNextMinute(now.time()));
}

}  // namespace ksl
