#pragma once

#include <QString>

namespace ksl {

// Tells the player something and waits until the player has read it. Returns when the message
// has been dismissed; how it was dismissed does not matter.
class PlayerMessages {
  public:
    virtual ~PlayerMessages() = default;
    virtual void Tell(const QString& text) = 0;
};

// The program's way: an application-modal box captioned "KSL" with one OK button and no icon.
class MessageBoxMessages final : public PlayerMessages {
  public:
    void Tell(const QString& text) override;
};

}  // namespace ksl
