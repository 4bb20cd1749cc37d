#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game_window/game_window_host.h"

namespace ksl::testing {

// Records what the game window asked for, in order.
class FakeGameWindowHost final : public GameWindowHost {
  public:
    void ShowWelcomeWindow() override { calls.emplace_back("ShowWelcomeWindow"); }
    void RestartGame() override { calls.emplace_back("RestartGame"); }
    void ExitProgram() override { calls.emplace_back("ExitProgram"); }
    void OpenAbout() override { calls.emplace_back("OpenAbout"); }
    void EndGame() override {
        calls.emplace_back("EndGame");
        if (onEndGame) {
            onEndGame();
        }
    }

    std::vector<std::string> calls;
    std::function<void()> onEndGame;
};

}  // namespace ksl::testing
