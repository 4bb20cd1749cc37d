#include "platform/display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace ksl {
namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The only fatal message while connecting is the failure to reach a display.
        std::fprintf(stderr, "%s\n", DisplayGuard::NoDisplay);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.push_back({type, QString::fromUtf8(context.category), text});
}

}  // namespace

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(&HoldBack);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : held) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

}  // namespace ksl
