// The desktop session on Windows: the system's own display, its default sound, and the end of
// the session.
#include <QGuiApplication>

#include "desktop_session/desktop_session.h"
#include "sound/message_beep_sound.h"

namespace ksl {

std::unique_ptr<QApplication> ConnectToTheDesktop(int& argc, char** argv) {
    return std::make_unique<QApplication>(argc, argv);
}

std::unique_ptr<SoundTheme> OpenDesktopSoundTheme() {
    return std::make_unique<MessageBeepSound>();
}

std::unique_ptr<QObject> EndOnSessionRequests(ProgramEnd& end) {
    // A logout or shutdown asks every program to finish first: the game ends as Exit ends it.
    auto requests = std::make_unique<QObject>();
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, requests.get(),
                     [&end](QSessionManager&) { end.End(); });
    return requests;
}

}  // namespace ksl
