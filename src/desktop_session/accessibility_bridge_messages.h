#pragma once

#include <QtGlobal>

namespace ksl {

// Qt's bridge to the desktop's accessibility bus complains on standard error about every key
// press once that bus is gone ("QSpiApplication::keyEventError ... Not connected to D-Bus
// server"), without end. While an instance lives, each kind of the bridge's complaints (its
// first word) is printed once and its repeats are dropped; every other message passes as before.
// One instance at a time.
class AccessibilityBridgeMessages {
  public:
    AccessibilityBridgeMessages();
    ~AccessibilityBridgeMessages();
    AccessibilityBridgeMessages(const AccessibilityBridgeMessages&) = delete;
    AccessibilityBridgeMessages& operator=(const AccessibilityBridgeMessages&) = delete;

  private:
    QtMessageHandler previous_;
};

}  // namespace ksl
