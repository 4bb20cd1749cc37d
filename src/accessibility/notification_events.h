#pragma once

#include <QObject>

namespace ksl {

// While it lives, every message that a screen reader speaks without the focus moving is also
// told as an accessibility event that gives the message's words as a new value: an
// Announcer's message as it shows, and a message box's text each time the box comes to the
// front. Qt's bridge to UI Automation raises such an event as a notification, which screen
// readers on Windows speak for the program in front; a shown notification or an opened box it
// passes on to none of them. Where the bridge is AT-SPI, screen readers hear the shown
// notification and the box already, and a changed value would be read out a second time: only
// the Windows desktop makes one.
class NotificationEvents final : public QObject {
  public:
    // Watches the whole application; a deleted watcher watches no more.
    explicit NotificationEvents(QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ksl
