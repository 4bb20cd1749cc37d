#pragma once

#include <QObject>
#include <QPointer>

#include "about/frm_about.h"
#include "game_window/form2.h"
#include "platform/platform.h"
#include "rules/slot_machine.h"
#include "system_info/system_info.h"
#include "welcome_window/form1.h"

namespace ksl {

// Owns the program's windows and moves the player between them. Each window exists at most
// once; load, show, hide and unload mean what they do in the classic desktop toolkits:
//   load    create the window (and run its load handler) unless it exists already;
//   show    load if need be, then make it visible and active, modeless and with no owner;
//   hide    make it invisible, keeping everything on it;
//   unload  destroy it with its timers; the next load builds it afresh.
// The windows' menu commands are handled here, as is closing a window with its close box.
class Shell final : public QObject {
  public:
    Shell(SlotMachine& machine, const Platform& platform, const SystemInfoServices& systemInfo);
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Start-up: the game window is the start-up window, and loading it does the rest.
    void Start();

    // The windows as they are now; null when not loaded.
    [[nodiscard]] Form1* WelcomeWindow() const { return form1_; }
    [[nodiscard]] Form2* GameWindow() const { return form2_; }
    [[nodiscard]] frmAbout* AboutDialog() const { return about_; }

  private:
    // The commands.
    void StartGame();    // the welcome window's "Start Spill" (F2)
    void RestartGame();  // the game window's "Start spill på nytt" (F2)
    void ExitProgram();  // "Exit" of either window (Ctrl+Q)
    void OpenAbout();    // the game window's "About" > "Game"
    void EndGame();      // the game is over and the player has been told

    void LoadGameWindow();
    void ShowGameWindow();
    void UnloadGameWindow();
    void LoadWelcomeWindow();
    void ShowWelcomeWindow();
    void HideWelcomeWindow();
    void UnloadWelcomeWindow();
    void LoadAbout();
    void UnloadAbout();
    template <typename Window>
    void UnloadWhenClosed(QPointer<Window>& window, void (Shell::*unload)());
    void EndIfNoWindowIsVisible();

    SlotMachine& machine_;
    Platform platform_;
    SystemInfoServices systemInfo_;
    QPointer<Form1> form1_;
    QPointer<Form2> form2_;
    QPointer<frmAbout> about_;
};

}  // namespace ksl
