#include "shell/shell.h"

#include <QAction>

#include "window_frame/close_box.h"

namespace ksl {
namespace {

// A window minimised by the desktop anyway comes back too.
void ShowAndActivate(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

// Takes a window off the screen for good and forgets it. It may be unloaded from inside one of
// its own handlers, so it is deleted only once that handler has returned to the event loop.
template <typename Window>
void Dispose(QPointer<Window>& window) {
    if (window) {
        window->hide();
        window->deleteLater();
        window = nullptr;
    }
}

}  // namespace

Shell::Shell(SlotMachine& machine, const Platform& platform, const SystemInfoServices& systemInfo)
    : machine_(machine), platform_(platform), systemInfo_(systemInfo) {}

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
    form2_ = new Form2(machine_, platform_);
    connect(form2_->MenuItem("mnuPlay"), &QAction::triggered, this, &Shell::RestartGame);
    connect(form2_->MenuItem("mnuExit"), &QAction::triggered, this, &Shell::ExitProgram);
    connect(form2_->MenuItem("mnuContent"), &QAction::triggered, this, &Shell::OpenAbout);
    connect(form2_, &Form2::loading, this, &Shell::ShowWelcomeWindow);
    connect(form2_, &Form2::gameOver, this, &Shell::EndGame);
    UnloadWhenClosed(form2_, &Shell::UnloadGameWindow);
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
    form1_ = new Form1;
    connect(form1_->MenuItem("mnuPlay"), &QAction::triggered, this, &Shell::StartGame);
    connect(form1_->MenuItem("mnuExit"), &QAction::triggered, this, &Shell::ExitProgram);
    UnloadWhenClosed(form1_, &Shell::UnloadWelcomeWindow);
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
    about_ = new frmAbout(systemInfo_, platform_.messages);
    UnloadWhenClosed(about_, &Shell::UnloadAbout);
}

void Shell::UnloadAbout() {
    Dispose(about_);
}

void Shell::EndGame() {
    UnloadGameWindow();
    LoadWelcomeWindow();
    ShowWelcomeWindow();
}

// Closing a window unloads it, and a program with no window left on screen could only be ended
// from outside, so closing the last visible one ends it. A window already unloaded, waiting to
// be deleted, is no longer the one its name stands for, so closing it changes nothing.
template <typename Window>
void Shell::UnloadWhenClosed(QPointer<Window>& window, void (Shell::*unload)()) {
    OnCloseBox(*window, [this, &window, unload, closing = window.data()] {
        if (window == closing) {
            (this->*unload)();
            EndIfNoWindowIsVisible();
        }
    });
}

void Shell::EndIfNoWindowIsVisible() {
    const bool anyVisible = (form1_ && form1_->isVisible()) || (form2_ && form2_->isVisible()) ||
                            (about_ && about_->isVisible());
    if (!anyVisible) {
        platform_.end.End();
    }
}

}  // namespace ksl
