#pragma once

#include <memory>

#include "game_window/game_window_host.h"
#include "platform/platform.h"
#include "rules/slot_machine.h"
#include "window_kit/classic_window.h"

class QLabel;
class QPushButton;

namespace ksl {

// The game window. A click on a stake button plays one spin and prepares its result in hidden
// controls; eleven timers then reveal it: the reels left, middle and right at 500, 1200 and
// 1900 ms, the balance with the prize picture and a beep (or "Ingen Gevinst ") at 2100 ms, and
// the stake buttons again at 2500 ms.
class Form2 : public ClassicWindow {
  public:
    Form2(SlotMachine& machine, GameWindowHost& host, const Platform& platform);
    ~Form2() override;

    // Runs once, right after the window has been created: hides it, puts the welcome window on
    // screen and starts a new game.
    void Form_Load();

    void Command1_Click();
    void Command2_Click();

    // Stops every timer at once, so that no tick runs while the window is being unloaded.
    void StopTimers();

  private:
    struct TimerRow;
    struct ResultRow;
    static const TimerRow TimerTable[];
    static const ResultRow ResultTable[];

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
    GameWindowHost& host_;
    Platform platform_;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label13;
    QLabel* Label17;
    QWidget* Image1;
    QWidget* Image2;
    QWidget* Image3;
    QWidget* Image4;
    QWidget* Image5;
    QWidget* Image6;
    QPushButton* Command1;
    QPushButton* Command2;

    std::unique_ptr<GameTimer> Timer1;
    std::unique_ptr<GameTimer> Timer2;
    std::unique_ptr<GameTimer> Timer3;
    std::unique_ptr<GameTimer> Timer4;
    std::unique_ptr<GameTimer> Penger;
    std::unique_ptr<GameTimer> NoWin;
    std::unique_ptr<GameTimer> Win1;
    std::unique_ptr<GameTimer> Win2;
    std::unique_ptr<GameTimer> Win3;
    std::unique_ptr<GameTimer> Win4;
    std::unique_ptr<GameTimer> Win5;
};

}  // namespace ksl
