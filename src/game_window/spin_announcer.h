#pragma once

#include <QString>
#include <array>

class QLabel;
class QWidget;

namespace ksl {

class Announcer;
class ClassicWindow;

// Tells a screen reader the result of a spin once it is on the game window: the reels from
// left to right, the prize picture or "Ingen Gevinst", and the balance sentence, as in
// "2 0 4. Ingen Gevinst. Du har 29 kr igjen å spille for". Spoken once a spin, when the second
// of the balance and the result has come, each with a tick of its own, in either order. The
// ticks of a freshly loaded window, which show what is already there, belong to no spin and
// are not spoken.
class SpinAnnouncer {
  public:
    explicit SpinAnnouncer(const ClassicWindow& gameWindow);

    // A spin has begun: the last result is withdrawn and the next one awaited.
    void SpinStarted();
    // The balance or the result has just been shown.
    void PartShown();

  private:
    [[nodiscard]] const QWidget* ShownResult() const;
    [[nodiscard]] QString Message(const QWidget& result) const;

    std::array<const QLabel*, 3> reelsLeftToRight_;
    const QLabel* noWin_;
    std::array<const QWidget*, 5> prizes_;
    const QLabel* balanceLine_;  // "Du har ", read with the figure and "kr igjen å spille for"
    const QLabel* balance_;
    Announcer* announcer_;
    bool awaitingResult_ = false;
};

}  // namespace ksl
