// The main of every test binary that needs widgets: one QApplication for all of its tests.
#include <QApplication>
#include <gmock/gmock.h>

#include "window_kit/fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ksl::RegisterFontSubstitutes();
    return RUN_ALL_TESTS();
}
