#pragma once

#include <QPointer>
#include <functional>

#include "about/frm_about.h"
#include "game_window/form2.h"
#include "platform/platform.h"
#include "rules/slot_machine.h"
#include "shell/form1.h"

namespace ksl {

// Owns the program's windows and moves the player between them. Each window exists at most
// once; load, show, hide and unload mean what they do in the classic desktop toolkits:
//   load    create the window (and run its load handler) unless it exists already;
//   show    load if need be, then make it visible and active, modeless and with no owner;
//   hide    make it invisible, keeping everything on it;
//   unload  destroy it with its timers; the next load builds it afresh.
class Shell final : public GameWindowHost, public WelcomeWindowHost {
  public:
    Shell(SlotMachine& machine, const Platform& platform);
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Start-up: the game window is the start-up window, and loading it does the rest.
    void Start();

    // The windows as they are now; null when not loaded.
    [[nodiscard]] Form1* WelcomeWindow() const { return form1_; }
    [[nodiscard]] Form2* GameWindow() const { return form2_; }
    [[nodiscard]] frmAbout* AboutDialog() const { return about_; }

    // GameWindowHost
    void ShowWelcomeWindow() override;
    void RestartGame() override;
    void ExitProgram() override;
    void OpenAbout() override;
    void EndGame() override;

    // WelcomeWindowHost
    void StartGame() override;

  private:
    void LoadGameWindow();
    void ShowGameWindow();
    void UnloadGameWindow();
    void LoadWelcomeWindow();
    void HideWelcomeWindow();
    void UnloadWelcomeWindow();
    void LoadAbout();
    void UnloadAbout();
    std::function<void()> UnloadWhenClosed(void (Shell::*unload)());
    void EndIfNoWindowIsVisible();

    SlotMachine& machine_;
    Platform platform_;
    QPointer<Form1> form1_;
    QPointer<Form2> form2_;
    QPointer<frmAbout> about_;
};

}  // namespace ksl
