#include "status_bar/clock_status_bar.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>
#include <map>
#include <utility>

namespace ksl {
namespace {

QLabel* AddPanel(QHBoxLayout& row, const QString& key, int stretch) {
    auto* panel = new QLabel(row.parentWidget());
    panel->setObjectName(key);
    panel->setToolTip(key);
    panel->setTextFormat(Qt::PlainText);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.addWidget(panel, stretch);
    return panel;
}

// Both windows' status bars ask for the same forms, in the same font: measure them once. The
// key holds everything the answer depends on.
template <typename Measure>
ClockForm Remembered(const QString& key, Measure measure) {
    static std::map<QString, ClockForm> known;
    const auto found = known.find(key);
    if (found != known.end()) {
        return found->second;
    }
    return known.emplace(key, measure()).first->second;
}

QString FormKey(const char* what, const QLabel& panel, int year = 0) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::fromLatin1(what), QLocale().name(), panel.font().key())
        .arg(year);
}

}  // namespace

ClockStatusBar::ClockStatusBar(const StatusBarSpec& design, const QFont& font, QWidget* parent,
                               WallClock wallClock)
    : QStatusBar(parent), panels_(new QWidget(this)), wallClock_(std::move(wallClock)) {
    setObjectName(QStringLiteral("StatusBar1"));
    setFont(font);
    setSizeGripEnabled(false);
    setFixedHeight(design.height);

    // The panels lie in a row of their own over the whole bar, each as tall as the bar, rather
    // than in the toolkit's status-bar layout, whose margins would take from their widths and
    // heights.
    auto* row = new QHBoxLayout(panels_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(PanelGap);
    time_ = AddPanel(*row, QStringLiteral("Time"), 0);
    date_ = AddPanel(*row, QStringLiteral("Date"), 0);
    // Fixed in both directions, so that a new minute repaints the time panel alone: a panel
    // that could change size would have the whole bar laid out and painted again.
    time_->setFixedSize(ClockPanelWidth, design.height);
    date_->setFixedSize(ClockPanelWidth, design.height);
    QLabel* title = AddPanel(*row, QStringLiteral("KSL"), 1);
    title->setText(QStringLiteral("Kronesluk"));
    title->setMinimumWidth(design.titlePanelMinimumWidth);

    timeForm_ = Remembered(FormKey("time", *time_), [this] {
        return FittingTimeForm(QLocale(), time_->fontMetrics(), ClockPanelWidth);
    });
    nextMinute_.setSingleShot(true);
    nextMinute_.setTimerType(Qt::PreciseTimer);
    connect(&nextMinute_, &QTimer::timeout, this, [this] { ShowTimeAndWaitForNextMinute(); });
    // Not on screen yet: the clock starts when the window is shown.
    ShowTime(wallClock_());
}

QDateTime ClockStatusBar::NextWake() const {
    return nextMinute_.isActive() ? nextWake_ : QDateTime();
}

QDateTime ClockStatusBar::NextMinute(const QDateTime& now) {
    QDateTime minute = now;
    minute.setTime(QTime(now.time().hour(), now.time().minute()));
    return minute.addSecs(60);
}

QDateTime ClockStatusBar::ShownOnWaking(const QDateTime& now, const QDateTime& awaited) {
    constexpr qint64 EarlyByAtMostMs = 1000;
    const qint64 early = now.msecsTo(awaited);
    return early > 0 && early <= EarlyByAtMostMs ? awaited : now;
}

void ClockStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    panels_->setGeometry(rect());
}

void ClockStatusBar::showEvent(QShowEvent* event) {
    QStatusBar::showEvent(event);
    if (!nextMinute_.isActive()) {
        nextWake_ = QDateTime();
        ShowTimeAndWaitForNextMinute();
    }
}

// A clock nobody can see need not wake; it is set right when it is shown again.
void ClockStatusBar::hideEvent(QHideEvent* event) {
    QStatusBar::hideEvent(event);
    nextMinute_.stop();
}

void ClockStatusBar::ShowTime(const QDateTime& now) {
    // The date's form is chosen for a whole year at a time, so it holds from one day to the next.
    if (now.date().year() != dateFormYear_) {
        dateFormYear_ = now.date().year();
        dateForm_ = Remembered(FormKey("date", *date_, dateFormYear_), [this] {
            return FittingDateForm(QLocale(), date_->fontMetrics(), ClockPanelWidth, dateFormYear_);
        });
    }
    time_->setText(timeForm_.locale.toString(now.time(), timeForm_.format));
    date_->setText(dateForm_.locale.toString(now.date(), dateForm_.format));
}

void ClockStatusBar::ShowTimeAndWaitForNextMinute() {
    const QDateTime now = wallClock_();
    const QDateTime shown = nextWake_.isValid() ? ShownOnWaking(now, nextWake_) : now;
    ShowTime(shown);
    nextWake_ = NextMinute(shown);
    nextMinute_.start(static_cast<int>(std::max<qint64>(0, now.msecsTo(nextWake_))));
}

}  // namespace ksl
