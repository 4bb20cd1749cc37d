#pragma once

#include <QString>

class QWidget;

namespace ksl {

// Tells the player something and waits until the player has read it. Returns when the message
// has been dismissed; how it was dismissed does not matter. `window` is the window the player
// was using: the message stands over it, and the keyboard goes back to it afterwards.
class PlayerMessages {
  public:
    virtual ~PlayerMessages() = default;
    virtual void Tell(QWidget& window, const QString& text) = 0;
};

// The caption of every message to the player, the application's title.
inline constexpr const char* MessageCaption = "KSL";

// The program's way: an application-modal box captioned "KSL" with one OK button and no icon.
class MessageBoxMessages final : public PlayerMessages {
  public:
    void Tell(QWidget& window, const QString& text) override;
};

}  // namespace ksl
