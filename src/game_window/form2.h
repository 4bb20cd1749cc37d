#pragma once

#include <memory>

#include "game_window/spin_announcer.h"
#include "platform/platform.h"
#include "rules/slot_machine.h"
#include "window_design/classic_window.h"

class QLabel;
class QPushButton;

namespace ksl {

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
    using Tick = void (Form2::*)();
    std::unique_ptr<GameTimer> MakeTimer(const char* name, int intervalMs, bool runningAtLoad,
                                         Tick tick);
    void PlaySpin(Stake stake);
    GameTimer& ResultTimer(Outcome outcome);
    void ShowPrize(GameTimer& timer, QWidget* picture);

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Penger_Timer();
    void NoWin_Timer();
    void Win1_Timer();
    void Win2_Timer();
    void Win3_Timer();
    void Win4_Timer();
    void Win5_Timer();

    SlotMachine& machine_;
    Platform platform_;
    SpinAnnouncer announcer_;  // speaks the result of a spin to a screen reader

    // The reels, in draw order: Label1 is the right reel, Label2 the left, Label3 the middle.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label13;  // "Ingen Gevinst ", shown after a loss
    QLabel* Label17;  // the balance figure in "Du har 30 kr igjen å spille for"
    // The prize pictures, from the smallest win to the largest, and the black panel over them.
    QWidget* Image2;        // two loose coins: 1-1
    QWidget* Image1;        // one stack: 2-2-2
    QWidget* Image3;        // two stacks: 3-3-3
    QWidget* Image4;        // three stacks: 4-4-4
    QWidget* Image5;        // five stacks: 0-0-0
    QWidget* Image6;        // the black panel, gone from the first spin on
    QPushButton* Command1;  // "1 Kr"
    QPushButton* Command2;  // "2 Kr"
    // The stake button of the spin being revealed: it takes the keyboard back when the buttons
    // come back, so Space plays the same stake again.
    QPushButton* pressed_ = nullptr;

    // The reveal of a spin, each timer counting from the click.
    std::unique_ptr<GameTimer> Timer1;  //  500 ms: the left reel
    std::unique_ptr<GameTimer> Timer2;  // 1200 ms: the middle reel
    std::unique_ptr<GameTimer> Timer3;  // 1900 ms: the right reel
    std::unique_ptr<GameTimer> Penger;  // 2100 ms: the balance
    std::unique_ptr<GameTimer> NoWin;   // 2100 ms: "Ingen Gevinst "
    std::unique_ptr<GameTimer> Win1;    // 2100 ms: 0-0-0 and a beep
    std::unique_ptr<GameTimer> Win2;    // 2100 ms: 4-4-4 and a beep
    std::unique_ptr<GameTimer> Win3;    // 2100 ms: 1-1 and a beep
    std::unique_ptr<GameTimer> Win4;    // 2100 ms: 3-3-3 and a beep
    std::unique_ptr<GameTimer> Win5;    // 2100 ms: 2-2-2 and a beep
    std::unique_ptr<GameTimer> Timer4;  // 2500 ms: the stake buttons again
};

}  // namespace ksl
