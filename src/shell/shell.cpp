#include "shell/shell.h"

namespace ksl {
namespace {

void ShowAndActivate(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

// Takes a window off the screen for good and forgets it. It may be unloaded from inside one of
// its own handlers, so it is deleted only once that handler has returned to the event loop.
template <typename Window>
void Dispose(QPointer<Window>& window) {
    if (window) {
        window->onClosedByPlayer = nullptr;
        window->hide();
        window->deleteLater();
        window = nullptr;
    }
}

}  // namespace

Shell::Shell(SlotMachine& machine, const Platform& platform)
    : machine_(machine), platform_(platform) {}

Shell::~Shell() {
    delete about_.data();
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
    form2_->onClosedByPlayer = UnloadWhenClosed(&Shell::UnloadGameWindow);
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
    }
    Dispose(form2_);
}

void Shell::LoadWelcomeWindow() {
    if (form1_) {
        return;
    }
    form1_ = new Form1(*this);
    form1_->onClosedByPlayer = UnloadWhenClosed(&Shell::UnloadWelcomeWindow);
}

void Shell::UnloadWelcomeWindow() {
    Dispose(form1_);
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
    LoadAbout();
    ShowAndActivate(*about_);
}

void Shell::LoadAbout() {
    if (about_) {
        return;
    }
    PlayerMessages& messages = platform_.messages;
    about_ = new frmAbout(
        {platform_.registry, platform_.files, platform_.launcher,
         [&messages](std::string_view text) {
             messages.Tell(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
         }});
    about_->onClosedByPlayer = UnloadWhenClosed(&Shell::UnloadAbout);
}

void Shell::UnloadAbout() {
    Dispose(about_);
}

// Closing a window unloads it, and a program with no window left on screen could only be ended
// from outside, so closing the last visible one ends it.
std::function<void()> Shell::UnloadWhenClosed(void (Shell::*unload)()) {
    return [this, unload] {
        (this->*unload)();
        EndIfNoWindowIsVisible();
    };
}

void Shell::EndGame() {
    UnloadGameWindow();
    LoadWelcomeWindow();
    ShowWelcomeWindow();
}

void Shell::EndIfNoWindowIsVisible() {
    const bool anyVisible = (form1_ && form1_->isVisible()) || (form2_ && form2_->isVisible()) ||
                            (about_ && about_->isVisible());
    if (!anyVisible) {
        platform_.end.End();
    }
}

}  // namespace ksl
