#pragma once

namespace ksl {

// What the game window asks of the program around it. Each request runs at once; after
// `EndGame` the game window is gone, so it touches nothing of its own after asking.
class GameWindowHost {
  public:
    virtual ~GameWindowHost() = default;

    virtual void ShowWelcomeWindow() = 0;  // part of loading the game window
    virtual void RestartGame() = 0;        // "Start spill på nytt" (F2)
    virtual void ExitProgram() = 0;        // "Exit" (Ctrl+Q)
    virtual void OpenAbout() = 0;          // "About" > "Game"
    virtual void EndGame() = 0;            // the game is over and the player has been told
};

}  // namespace ksl
