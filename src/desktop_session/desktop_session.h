#pragma once

#include <QApplication>
#include <QObject>
#include <memory>

#include "platform/program_end.h"
#include "sound/sound_theme.h"

namespace ksl {

// What the program needs of the desktop session beside Qt's windows. Each kind of system has
// one file that provides it; the rest of the program is the same everywhere.

// The application, connected to the desktop's display, or one plain account of why it could not
// be and an exit with status 1.
std::unique_ptr<QApplication> ConnectToTheDesktop(int& argc, char** argv);

// The desktop's sound theme, opened on the thread that plays it.
std::unique_ptr<SoundTheme> OpenDesktopSoundTheme();

// While the returned object lives, the session's requests to end (a logout, a closed terminal)
// end the program as its Exit command does.
std::unique_ptr<QObject> EndOnSessionRequests(ProgramEnd& end);

}  // namespace ksl
