#include "desktop_session/display_guard.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace ksl {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

// Whether a server accepts connections on a local socket; `abstract` names one outside the file
// system, where X servers on Linux listen too.
bool Listening(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool accepted = connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(fd);
    return accepted;
}

// ":0", ":0.1", "unix:0" are on this machine; a display on another host cannot be looked for
// here and counts as there, so that its own failure is told.
bool X11Listening(std::string_view name) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string_view host = name.substr(0, colon);
    if (!host.empty() && host != "unix") {
        return true;
    }
    std::string_view number = name.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const std::string socket = "/tmp/.X11-unix/X" + std::string(number);
    return Listening(socket, true) || Listening(socket, false);
}

bool WaylandListening(const std::string& name) {
    if (!name.empty() && name.front() == '/') {
        return Listening(name, false);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && Listening(std::string(runtime) + "/" + name, false);
}

void PassOn(const HeldMessage& message) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    previousHandler(message.type, context, message.text);
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back({type, QByteArray(context.category), text});
        return;
    }
    const std::vector<DisplayGuard::Display> tried = DisplayGuard::DisplaysNamed();
    const bool anyThere = std::any_of(tried.begin(), tried.end(),
                                      [](const DisplayGuard::Display& d) { return d.listening; });
    if (anyThere) {
        // Qt's messages name the display and what went wrong; the display server may have said
        // more on standard error already (an X server's reason for refusing us).
        for (const HeldMessage& message : held) {
            PassOn(message);
        }
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        std::fprintf(stderr, "%s\n", DisplayGuard::NotOpened(tried).c_str());
    } else {
        std::fprintf(stderr, "%s\n", DisplayGuard::NoDisplay);
    }
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

std::vector<DisplayGuard::Display> DisplayGuard::DisplaysNamed() {
    std::vector<Display> named;
    const char* x11 = std::getenv("DISPLAY");
    if (x11 && *x11) {
        named.push_back({"X11", x11, X11Listening(x11)});
    }
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland && *wayland) {
        named.push_back({"Wayland", wayland, WaylandListening(wayland)});
    }
    return named;
}

std::string DisplayGuard::NotOpened(const std::vector<Display>& tried) {
    std::string line = "Kronesluk could not open the desktop's display:";
    const char* separator = " ";
    for (const Display& display : tried) {
        line += separator;
        line += display.kind + " display \"" + display.name + "\" " +
                (display.listening ? "is there but did not let the program in"
                                   : "has no server listening");
        separator = "; ";
    }
    return line + ".";
}

DisplayGuard::DisplayGuard() {
    previousHandler = qInstallMessageHandler(&HoldBack);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : held) {
        PassOn(message);
    }
    held.clear();
}

}  // namespace ksl
