#include "desktop_session/accessibility_bridge_messages.h"

#include <gtest/gtest.h>

#include <QDebug>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace ksl {
namespace {

QStringList printed;

void Capture(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& text) {
    printed.append(text);
}

// What the bridge says for each key press once the accessibility bus is gone, word for word.
void KeyPressOnALostBus() {
    qWarning() << "QSpiApplication::keyEventError "
               << QStringLiteral("org.freedesktop.DBus.Error.Disconnected")
               << QStringLiteral("Not connected to D-Bus server");
}

TEST(AccessibilityBridgeMessages, ALostBusCostsOneLineAndEveryOtherMessagePasses) {
    printed.clear();
    const QtMessageHandler before = qInstallMessageHandler(&Capture);
    {
        const AccessibilityBridgeMessages bridge;
        for (int keyPress = 0; keyPress < 40; ++keyPress) {
            KeyPressOnALostBus();
        }
        for (int time = 0; time < 2; ++time) {
            qWarning("Accessibility encountered a DBus error: gone");
            QMessageLogger(nullptr, 0, nullptr, "qt.accessibility.atspi")
                .warning("No accessible object found for id: 7");
            QMessageLogger(nullptr, 0, nullptr, "qt.accessibility.cache").debug("insert - id: 7");
            qWarning("a window could not be shown");  // not the bridge's: each time
        }
    }
    KeyPressOnALostBus();  // the filter is gone with its owner
    qInstallMessageHandler(before);

    const QString keyError = QStringLiteral(
        "QSpiApplication::keyEventError  \"org.freedesktop.DBus.Error.Disconnected\" \"Not "
        "connected to D-Bus server\"");
    EXPECT_EQ(printed,
              QStringList({keyError, QStringLiteral("Accessibility encountered a DBus error: gone"),
                           QStringLiteral("No accessible object found for id: 7"),
                           QStringLiteral("insert - id: 7"),
                           QStringLiteral("a window could not be shown"),
                           QStringLiteral("insert - id: 7"),
                           QStringLiteral("a window could not be shown"), keyError}));
}

}  // namespace
}  // namespace ksl
