#pragma once

#include <array>
#include <memory>
#include <vector>

#include "game_window/spin_announcer.h"
#include "platform/platform.h"
#include "rules/slot_machine.h"
#include "window_design/classic_window.h"

class QLabel;
class QPushButton;

namespace ksl {

namespace game_window {
struct RevealTimer;
}

// The game window. A click on a stake button plays one spin and prepares its result in hidden
// controls; eleven timers then reveal it: the reels left, middle and right at 500, 1200 and
// 1900 ms, the balance with the prize picture and a beep (or "Ingen Gevinst ") at 2100 ms, and
// the stake buttons again at 2500 ms. Each timer ticks once and then rests until the next
// click, so the window at rest wakes nobody. Its menu items are handled by whoever owns the
// window.
class Form2 : public ClassicWindow {
    Q_OBJECT

  public:
    Form2(SlotMachine& machine, const Platform& platform);
    ~Form2() override;

    // Runs once, right after the window has been created: hides it, emits `loading` (the owner
    // puts the welcome window on screen) and starts a new game.
    void Form_Load();

    void Command1_Click();
    void Command2_Click();

    // Stops every timer at once, so that no tick runs while the window is being unloaded.
    void StopTimers();

  signals:
    void loading();
    // The game is over and the player has been told. The owner unloads the window; nothing of
    // it is touched after this.
    void gameOver();

  private:
    // A timer of the reveal, made from its row of the table, and the control its tick shows.
    struct RevealStep {
        const game_window::RevealTimer* design;
        QWidget* shows;  // none for the timer that brings back the stake buttons
        std::unique_ptr<GameTimer> timer;
    };

    void PlaySpin(Stake stake);
    void Tick(const RevealStep& step);
    void BringBackTheStakes();

    SlotMachine& machine_;
    Platform platform_;
    SpinAnnouncer announcer_;  // speaks the result of a spin to a screen reader

    // The reels on screen from left to right: the design's Label2, Label3 and Label1.
    std::array<QLabel*, 3> reelsLeftToRight_;
    QLabel* Label17;        // the balance figure in "Du har 30 kr igjen å spille for"
    QWidget* Image6;        // the black panel over the prize pictures, gone from the first spin on
    QPushButton* Command1;  // "1 Kr"
    QPushButton* Command2;  // "2 Kr"
    // The stake button of the spin being revealed: it takes the keyboard back when the buttons
    // come back, so Space plays the same stake again.
    QPushButton* pressed_ = nullptr;

    // The eleven timers, in the order of the reveal's table (reveal_timers.h).
    std::vector<RevealStep> reveal_;
};

}  // namespace ksl
