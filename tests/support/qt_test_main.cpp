// The main of every test binary that needs widgets: one QApplication for all of its tests.
#include <gtest/gtest.h>

#include <QApplication>

#include "window_design/fonts.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless unless told otherwise, also when ctest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ksl::RegisterFontSubstitutes();
    return RUN_ALL_TESTS();
}
