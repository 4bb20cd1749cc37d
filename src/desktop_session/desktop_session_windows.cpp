// The desktop session on Windows: the system's own display, its default sound, screen readers
// through UI Automation, and the end of the session.
#include <QGuiApplication>

#include "accessibility/notification_events.h"
#include "desktop_session/desktop_session.h"
#include "sound/message_beep_sound.h"

namespace ksl {

std::unique_ptr<QApplication> ConnectToTheDesktop(int& argc, char** argv) {
    auto application = std::make_unique<QApplication>(argc, argv);
    // Qt's bridge to UI Automation passes on no shown notification and no opened message box:
    // screen readers hear the game's messages as UI Automation notifications instead.
    new NotificationEvents(application.get());
    return application;
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
