#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QStatusBar;

namespace ksl {

// Tells a screen reader a message without taking the focus from where the player is. It is a
// notification in the window's status bar that nobody sees, which appears with its message:
// screen readers speak a notification the moment it shows, wherever the focus is. In the
// status bar it is a status message, spoken without being called a notification. Its words
// are a label inside it, which braille displays and the screen reader's message history show
// as well.
class Announcer : public QWidget {
  public:
    explicit Announcer(QStatusBar* statusBar);

    // Shows `message`; a message still up is withdrawn first, so that the new one is spoken.
    void Announce(const QString& message);
    void Withdraw();

    // The words of the last message.
    [[nodiscard]] QString Message() const;

  private:
    QLabel* words_;
};

}  // namespace ksl
