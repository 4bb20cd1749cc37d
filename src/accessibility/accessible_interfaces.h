#pragma once

namespace ksl {

// Lets screen readers read the windows as reading.h describes: faces and windows list their
// controls in reading order, labels speak their words, pictures are graphics that show only
// when a player could see them, and an Announcer is a notification. Install it before the
// first window is built; installing it again changes nothing.
void InstallAccessibleInterfaces();

}  // namespace ksl
