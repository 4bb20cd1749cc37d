#pragma once

#include <map>
#include <memory>
#include <string>

#include "game_flow/game.h"
#include "platform/platform.h"
#include "window_design/classic_window.h"

class QPushButton;

namespace ksl {

class Announcer;

// The game window: the desktop's face of a game. A click on a stake button plays one spin, and
// eleven timers then reveal it: the reels left, middle and right at 500, 1200 and 1900 ms, the
// balance with the prize picture and a beep (or "Ingen Gevinst ") at 2100 ms, and the stake
// buttons again at 2500 ms. What happens when is the game's (game_flow/game.h); the window
// carries out its orders on its controls and timers. Its menu items are handled by whoever
// owns the window.
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
    void Carry(const Orders& orders);
    void TakeAwayTheStakes();
    void BringBackTheStakes(const std::string& played);
    GameTimer& Timer(const std::string& name) const;

    Game game_;
    Platform platform_;
    Announcer* announcer_;  // speaks the result of a spin to a screen reader
    QPushButton* Command1;  // "1 Kr"
    QPushButton* Command2;  // "2 Kr"
    // The eleven timers of the reveal, by the design's names.
    std::map<std::string, std::unique_ptr<GameTimer>, std::less<>> timers_;
};

}  // namespace ksl
