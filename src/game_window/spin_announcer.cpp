#include "game_window/spin_announcer.h"

#include <QLabel>
#include <QStringList>
#include <algorithm>

#include "accessibility/announcer.h"
#include "accessibility/reading.h"
#include "window_design/classic_window.h"

namespace ksl {

SpinAnnouncer::SpinAnnouncer(const ClassicWindow& gameWindow)
    : reelsLeftToRight_{gameWindow.Find<QLabel>("Label2"), gameWindow.Find<QLabel>("Label3"),
                        gameWindow.Find<QLabel>("Label1")},
      noWin_(gameWindow.Find<QLabel>("Label13")),
      prizes_{gameWindow.Find("Image1"), gameWindow.Find("Image2"), gameWindow.Find("Image3"),
              gameWindow.Find("Image4"), gameWindow.Find("Image5")},
      balanceLine_(gameWindow.Find<QLabel>("Label4")),
      balance_(gameWindow.Find<QLabel>("Label17")),
      announcer_(new Announcer(gameWindow.face())) {}

void SpinAnnouncer::SpinStarted() {
    announcer_->Withdraw();
    awaitingResult_ = true;
}

void SpinAnnouncer::PartShown() {
    const QWidget* result = ShownResult();
    if (!awaitingResult_ || result == nullptr || balance_->isHidden()) {
        return;
    }
    awaitingResult_ = false;
    announcer_->Announce(Message(*result));
}

const QWidget* SpinAnnouncer::ShownResult() const {
    const auto prize =
        std::ranges::find_if(prizes_, [](const QWidget* picture) { return !picture->isHidden(); });
    if (prize != prizes_.end()) {
        return *prize;
    }
    return noWin_->isHidden() ? nullptr : noWin_;
}

QString SpinAnnouncer::Message(const QWidget& result) const {
    // Only the reels on screen: after a refused 2-kroner spin some may never be revealed.
    QStringList digits;
    for (const QLabel* reel : reelsLeftToRight_) {
        if (!reel->isHidden()) {
            digits.append(reel->text());
        }
    }
    const auto* label = qobject_cast<const QLabel*>(&result);
    QStringList parts;
    if (!digits.isEmpty()) {
        parts.append(digits.join(u' '));
    }
    parts.append(label != nullptr ? SpokenText(*label) : result.accessibleName());
    parts.append(SpokenText(*balanceLine_));
    return parts.join(QStringLiteral(". "));
}

}  // namespace ksl
