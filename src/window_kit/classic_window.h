#pragma once

#include <QMainWindow>
#include <QSize>
#include <functional>

namespace ksl {

struct WindowSpec {
    const char* name;
    const char* caption;
    QSize clientSize;   // everything under the menu bar, the status bar included
    double fontPoints;  // the bold Arial of controls without a font of their own
};

// A fixed-size window with a black face, the smiley icon and a task-bar entry: no minimise or
// maximise box. Controls go on `face()`, which is the client area above the status bar, with
// its origin at the top-left corner of the client area.
class ClassicWindow : public QMainWindow {
  public:
    ClassicWindow(const WindowSpec& design, QStatusBar* statusBar);

    [[nodiscard]] QWidget* face() const { return face_; }

    // Called instead of closing when the player uses the title bar's close box; whoever owns
    // the window decides what closing it means.
    std::function<void()> onClosedByPlayer;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* face_;
};

}  // namespace ksl
