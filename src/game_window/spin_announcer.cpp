#include "game_window/spin_announcer.h"

#include "accessibility/announcer.h"
#include "window_design/classic_window.h"

namespace ksl {

SpinAnnouncer::SpinAnnouncer(const ClassicWindow& gameWindow)
    : announcer_(new Announcer(gameWindow.statusBar())) {}

void SpinAnnouncer::SpinStarted(const SpinResult& result, Kroner balance) {
    announcer_->Withdraw();
    awaited_ = SpinMessage(result, balance);
}

void SpinAnnouncer::Revealing() {
    if (!awaited_) {
        return;
    }
    announcer_->Announce(*awaited_);
    awaited_.reset();
}

QString SpinMessage(const SpinResult& result, Kroner balance) {
    // Commas, which a screen reader reads as short pauses: other punctuation may be read out,
    // and a full stop pauses for longer. The prize goes without "kr": the balance after it
    // names the unit, and a three-digit balance is then still heard before the next Space.
    const QString outcome = result.Outcome == Outcome::Loss
                                ? QStringLiteral("Ingen gevinst")
                                : QStringLiteral("Gevinst %1").arg(result.Change);
    const Reels reels = LeftToRight(result.Reels);
    return QStringLiteral("%1, %2 kr, hjul %3 %4 %5.")
        .arg(outcome)
        .arg(balance)
        .arg(reels[0])
        .arg(reels[1])
        .arg(reels[2]);
}

}  // namespace ksl
