#include "game_window/spin_announcer.h"

#include <QLabel>
#include <QStringList>

#include "accessibility/announcer.h"
#include "window_design/classic_window.h"

namespace ksl {

SpinAnnouncer::SpinAnnouncer(const ClassicWindow& gameWindow)
    : reelsLeftToRight_{gameWindow.Find<QLabel>("Label2"), gameWindow.Find<QLabel>("Label3"),
                        gameWindow.Find<QLabel>("Label1")},
      balance_(gameWindow.Find<QLabel>("Label17")),
      announcer_(new Announcer(gameWindow.statusBar())) {}

void SpinAnnouncer::SpinStarted(const SpinResult& result) {
    announcer_->Withdraw();
    awaited_ = result;
}

void SpinAnnouncer::Revealing() {
    if (!awaited_) {
        return;
    }
    const std::array<QString, 3> reels{reelsLeftToRight_[0]->text(), reelsLeftToRight_[1]->text(),
                                       reelsLeftToRight_[2]->text()};
    announcer_->Announce(SpinMessage(*awaited_, balance_->text(), reels));
    awaited_.reset();
}

QString SpinMessage(const SpinResult& result, const QString& balance,
                    const std::array<QString, 3>& reelsLeftToRight) {
    // Commas, which a screen reader reads as short pauses: other punctuation may be read out,
    // and a full stop pauses for longer. The prize goes without "kr": the balance after it
    // names the unit, and a three-digit balance is then still heard before the next Space.
    const QString outcome = result.Outcome == Outcome::Loss
                                ? QStringLiteral("Ingen gevinst")
                                : QStringLiteral("Gevinst %1").arg(result.Change);
    return QStringLiteral("%1, %2 kr, hjul %3 %4 %5.")
        .arg(outcome, balance, reelsLeftToRight[0], reelsLeftToRight[1], reelsLeftToRight[2]);
}

}  // namespace ksl
