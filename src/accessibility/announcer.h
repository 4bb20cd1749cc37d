#pragma once

#include <QString>
#include <QWidget>

namespace ksl {

// Tells a screen reader a message without taking the focus from where the player is. It is a
// notification that nobody sees, which appears with its message: screen readers speak a
// notification the moment it shows, wherever the focus is.
class Announcer : public QWidget {
  public:
    explicit Announcer(QWidget* parent);

    // Shows `message`; a message still up is withdrawn first, so that the new one is spoken.
    void Announce(const QString& message);
    void Withdraw();
};

}  // namespace ksl
