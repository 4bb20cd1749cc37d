#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "shell/shell.h"
#include "support/pixels.h"
#include "support/recording_platform.h"
#include "support/scripted_reels.h"

namespace ksl::testing {
namespace {

// Light text on dark grey, as the dark desktop themes have it.
QPalette DarkDesktop() {
    QPalette dark(QColor(0x45, 0x45, 0x45), QColor(0x35, 0x35, 0x35));
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText}) {
        dark.setColor(text, QColor(0xEE, 0xEE, 0xEE));
    }
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    return dark;
}

// All three windows, built on a dark desktop.
class OnADarkDesktop : public ::testing::Test {
  protected:
    OnADarkDesktop() {
        QApplication::setPalette(DarkDesktop());
        shell.Start();
        shell.WelcomeWindow()->findChild<QAction*>("mnuPlay")->trigger();
        shell.GameWindow()->findChild<QAction*>("mnuContent")->trigger();
    }
    ~OnADarkDesktop() override {
        QApplication::setPalette(light);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const QPalette light = QApplication::palette();
    ScriptedReels reels;
    SlotMachine machine{reels};
    RecordingPlatform recording;
    Shell shell{machine, recording.platform(), recording.systemInfo()};
};

// The About dialog keeps its black texts on its light face; the other windows' buttons, menus
// and status bars take the desktop's colours, and must still read.
TEST_F(OnADarkDesktop, EveryTextStaysReadable) {
    struct Text {
        QWidget* window;
        const char* control;
    };
    frmAbout* about = shell.AboutDialog();
    Form2* game = shell.GameWindow();
    Form1* welcome = shell.WelcomeWindow();
    for (const Text& text :
         {Text{about, "lblTitle"}, Text{about, "Label1"}, Text{about, "lblDescription"},
          Text{about, "lblDisclaimer"}, Text{about, "cmdOK"}, Text{about, "cmdSysInfo"},
          Text{game, "Command1"}, Text{game, "Command2"}, Text{game, "Time"}, Text{game, "Date"},
          Text{game, "KSL"}, Text{welcome, "KSL"}}) {
        auto* control = text.window->findChild<QWidget*>(text.control);
        ASSERT_NE(control, nullptr) << text.control;
        const QImage image = control->grab().toImage();
        // Inside a button's outline, where its caption is.
        const int outline = qobject_cast<const QPushButton*>(control) != nullptr ? 3 : 0;
        EXPECT_GE(TextContrast(image, image.rect().adjusted(outline, outline, -outline, -outline)),
                  4.5)
            << text.window->objectName().toStdString() << " " << text.control;
    }
    // The menu bars' titles, and the items of the menus they open.
    for (QMainWindow* window : std::initializer_list<QMainWindow*>{game, welcome}) {
        const QImage bar = window->menuBar()->grab().toImage();
        for (QAction* menu : window->menuBar()->actions()) {
            EXPECT_GE(TextContrast(bar, DeviceRect(bar, window->menuBar()->actionGeometry(menu))),
                      4.5)
                << window->objectName().toStdString() << " " << menu->text().toStdString();
            QMenu* items = menu->menu();
            items->ensurePolished();
            items->resize(items->sizeHint());
            const QImage popup = items->grab().toImage();
            for (QAction* item : items->actions()) {
                EXPECT_GE(TextContrast(popup, DeviceRect(popup, items->actionGeometry(item))), 4.5)
                    << window->objectName().toStdString() << " " << item->text().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace ksl::testing
