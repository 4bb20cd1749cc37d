#include "shell/shell.h"

namespace ksl {
namespace {

void ShowAndActivate(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// Takes a window off the screen for good. It may be unloaded from inside one of its own
// handlers, so it is deleted only once that handler has returned to the event loop.
void Dispose(ClassicWindow& window) {
    window.onCloseBox = nullptr;
    window.hide();
    window.deleteLater();
}

}  // namespace

Shell::Shell(SlotMachine& machine, const Platform& platform)
    : machine_(machine), platform_(platform) {}

Shell::~Shell() {
    delete form2_.data();
    delete form1_.data();
}

void Shell::Start() {
    LoadGameWindow();
}

void Shell::LoadGameWindow() {
    if (form2_) {
        return;
    }
    form2_ = new Form2(machine_, *this, platform_);
    form2_->onCloseBox = [this] {
        UnloadGameWindow();
        CloseBoxUsed();
    };
    form2_->Form_Load();
}

void Shell::ShowGameWindow() {
    LoadGameWindow();
    ShowAndActivate(*form2_);
}

void Shell::UnloadGameWindow() {
    if (form2_) {
        // No tick of the old window may run once it is unloaded.
        form2_->StopTimers();
        Dispose(*form2_);
        form2_ = nullptr;
    }
}

void Shell::LoadWelcomeWindow() {
    if (form1_) {
        return;
    }
    form1_ = new Form1(*this);
    form1_->onCloseBox = [this] {
        UnloadWelcomeWindow();
        CloseBoxUsed();
    };
}

void Shell::UnloadWelcomeWindow() {
    if (form1_) {
        Dispose(*form1_);
        form1_ = nullptr;
    }
}

void Shell::ShowWelcomeWindow() {
    LoadWelcomeWindow();
    ShowAndActivate(*form1_);
}

void Shell::HideWelcomeWindow() {
    if (form1_) {
        form1_->hide();
    }
}

void Shell::StartGame() {
    LoadGameWindow();
    ShowGameWindow();
    HideWelcomeWindow();
}

void Shell::RestartGame() {
    UnloadGameWindow();
    LoadGameWindow();
    ShowGameWindow();
    HideWelcomeWindow();
}

void Shell::ExitProgram() {
    platform_.end.End();
}

void Shell::OpenAbout() {
    platform_.beeper.Beep();
}

void Shell::EndGame() {
    UnloadGameWindow();
    LoadWelcomeWindow();
    ShowWelcomeWindow();
}

// A program with no window on screen could only be ended from outside, so closing the last
// visible window ends it.
void Shell::CloseBoxUsed() {
    const bool anyVisible = (form1_ && form1_->isVisible()) || (form2_ && form2_->isVisible());
    if (!anyVisible) {
        platform_.end.End();
    }
}

}  // namespace ksl
