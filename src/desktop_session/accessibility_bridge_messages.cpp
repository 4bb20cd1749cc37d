#include "desktop_session/accessibility_bridge_messages.h"

#include <QSet>
#include <QString>
#include <QStringView>
#include <mutex>

namespace ksl {

namespace {

// How the bridge's complaints begin: its categories, and the plain warnings of its key handling
// and of its bus connection.
bool FromTheBridge(const QMessageLogContext& context, const QString& text) {
    return QByteArrayView(context.category).startsWith("qt.accessibility") ||
           text.startsWith(u"QSpiApplication::") ||
           text.startsWith(u"Accessibility encountered a DBus error");
}

std::mutex lock;
QtMessageHandler passOn = nullptr;
QSet<QString> kindsSeen;

void PrintEachKindOnce(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    QtMessageHandler next = nullptr;
    {
        const std::scoped_lock guard(lock);
        next = passOn;
        // Debug output someone turned on is theirs to read in full.
        if (type != QtDebugMsg && type != QtInfoMsg && FromTheBridge(context, text)) {
            const QString kind = text.section(u' ', 0, 0);
            if (kindsSeen.contains(kind)) {
                return;
            }
            kindsSeen.insert(kind);
        }
    }
    next(type, context, text);
}

}  // namespace

AccessibilityBridgeMessages::AccessibilityBridgeMessages() {
    const std::scoped_lock guard(lock);
    kindsSeen.clear();
    passOn = qInstallMessageHandler(&PrintEachKindOnce);
    previous_ = passOn;
}

AccessibilityBridgeMessages::~AccessibilityBridgeMessages() {
    qInstallMessageHandler(previous_);
}

}  // namespace ksl
