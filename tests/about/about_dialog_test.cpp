#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "about/frm_about.h"
#include "shell/shell.h"
#include "support/pixels.h"
#include "support/recording_platform.h"
#include "support/scripted_reels.h"
#include "system_info/system_info.h"

namespace ksl::testing {
namespace {

QRect Twips(int l, int t, int w, int h) {
    return {l / 15, t / 15, w / 15, h / 15};
}

// The About dialog as the game window's About command opens it, through the real shell.
class AboutDialog : public ::testing::Test {
  protected:
    AboutDialog() {
        shell.Start();
        Menu(shell.WelcomeWindow(), "mnuPlay");
    }
    ~AboutDialog() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static void Menu(QWidget* window, const char* item) {
        window->findChild<QAction*>(QString::fromUtf8(item))->trigger();
    }
    frmAbout* Open() {
        Menu(shell.GameWindow(), "mnuContent");
        return shell.AboutDialog();
    }
    template <typename Control = QWidget>
    Control* Find(const char* name) {
        auto* control = shell.AboutDialog()->findChild<Control*>(QString::fromUtf8(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    ScriptedReels reels;
    SlotMachine machine{reels};
    RecordingPlatform recording;
    Shell shell{machine, recording.platform(), recording.systemInfo()};
};

TEST_F(AboutDialog, OpensWithABeepAndShowsItsFixedTextsInTheirBoxes) {
    frmAbout* about = Open();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(recording.beeper.beeps, 1);
    EXPECT_EQ(about->windowTitle(), "About Kronesluk");
    EXPECT_EQ(about->size(), QSize(382, 190));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_TRUE(about->windowIcon().isNull());

    const std::string description = "Er du spillegal?" + std::string(48, ' ') +
                                    "Da er  \" Kronesluk \"  noe for deg!   Velg mellom å spille "
                                    "for 1kr eller 2kr for større sum.";
    const std::string disclaimer =
        "Advarsel !" + std::string(47, ' ') + "Er ikke motvirkende mot spillegalskap ";
    struct Expected {
        const char* name;
        std::string text;
        QRect box;
    };
    for (const Expected& e :
         {Expected{"lblTitle", "Kronesluk", Twips(1050, 240, 3885, 240)},
          Expected{"Label1", "Versjon 2000 Pro      av  Tindrevik", Twips(1080, 600, 3975, 255)},
          Expected{"lblDescription", description, Twips(1050, 960, 3405, 810)},
          Expected{"lblDisclaimer", disclaimer, Twips(120, 2040, 2895, 585)}}) {
        const auto* label = Find<QLabel>(e.name);
        EXPECT_EQ(label->text().toStdString(), e.text) << e.name;
        EXPECT_EQ(label->geometry(), e.box) << e.name;
        EXPECT_TRUE(label->wordWrap()) << e.name;
        EXPECT_EQ(label->font(), about->font()) << e.name;  // the dialog's own font
    }
    EXPECT_EQ(Find<QLabel>("lblTitle")->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Find("picIcon")->geometry(), Twips(240, 240, 480, 480));
    EXPECT_EQ(Find<QPushButton>("cmdOK")->geometry(), Twips(4245, 1920, 1260, 345));
    EXPECT_EQ(Find<QPushButton>("cmdSysInfo")->geometry(), Twips(4260, 2400, 1245, 345));
    EXPECT_EQ(Find<QPushButton>("cmdSysInfo")->text(), "&System Info...");
    EXPECT_TRUE(Find<QPushButton>("cmdOK")->isDefault());
}

// An engraved rule: a pixel of grey above a pixel of white, on the dialog's face. At twice the
// density, the smiley drawn twice as large, not the small one scaled up.
TEST_F(AboutDialog, IsDrawnForTheScreensDensityWithAnEngravedRule) {
    frmAbout* about = Open();
    const QImage face = about->grab().toImage();
    for (const auto& [y, colour] : {std::pair{118.5, 0xEFEFEFU}, std::pair{119.5, 0x808080U},
                                    std::pair{120.5, 0xFFFFFFU}, std::pair{121.5, 0xEFEFEFU}}) {
        EXPECT_EQ(RgbAt(face, {191, y}), colour) << "row " << y;
    }
    const QImage shown = about->findChild<QWidget*>("picIcon")->grab().toImage();
    const QImage drawn =
        QImage(shown.devicePixelRatio() > 1 ? ":/assets/smiley@2x.png" : ":/assets/smiley.png")
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), drawn.size());
    int unlike = 0;  // where the smiley is opaque; its corners show the dialog's face
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            unlike += qAlpha(drawn.pixel(x, y)) == 0xFF && shown.pixel(x, y) != drawn.pixel(x, y);
        }
    }
    EXPECT_EQ(unlike, 0);
}

// The desktop turns dark (light text on dark grey) while the game runs: the About dialog keeps
// its black texts on its light face, and the other windows' buttons and status bars, which
// follow the desktop, read as well.
TEST_F(AboutDialog, EveryTextStaysReadableOnADarkDesktop) {
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(0x45, 0x45, 0x45), QColor(0x35, 0x35, 0x35));
    for (const auto text : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(text, QColor(0xEE, 0xEE, 0xEE));
    }
    QApplication::setPalette(dark);
    QWidget* about = Open();
    QWidget* game = shell.GameWindow();
    for (const auto& [window, name] :
         std::vector<std::pair<QWidget*, const char*>>{{about, "lblTitle"},
                                                       {about, "Label1"},
                                                       {about, "lblDescription"},
                                                       {about, "lblDisclaimer"},
                                                       {about, "cmdOK"},
                                                       {about, "cmdSysInfo"},
                                                       {game, "Command1"},
                                                       {game, "Time"},
                                                       {game, "KSL"},
                                                       {shell.WelcomeWindow(), "Date"}}) {
        auto* control = window->findChild<QWidget*>(name);
        const QImage image = control->grab().toImage();
        const int outline = qobject_cast<QPushButton*>(control) != nullptr ? 3 : 0;  // buttons'
        EXPECT_GE(TextContrast(image, image.rect().adjusted(outline, outline, -outline, -outline)),
                  4.5)
            << name;
    }
    QApplication::setPalette(light);
}

TEST_F(AboutDialog, ExistsOnceAndComesBackToTheFrontWhenOpenedAgain) {
    frmAbout* first = Open();
    // It has no task-bar entry: minimised by a desktop that offers it anyway, it would be lost.
    first->setWindowState(Qt::WindowMinimized);
    frmAbout* second = Open();
    EXPECT_FALSE(second->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(first, second);
    EXPECT_EQ(recording.beeper.beeps, 2);
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::ranges::count_if(windows,
                                    [](const QWidget* w) { return w->objectName() == "frmAbout"; }),
              1);
}

TEST_F(AboutDialog, StaysOpenAcrossARestartAndTheEndOfAGame) {
    frmAbout* about = Open();
    Menu(shell.GameWindow(), "mnuPlay");
    EXPECT_EQ(shell.AboutDialog(), about);
    EXPECT_TRUE(about->isVisible());

    for (int spin = 0; spin < 3; ++spin) {
        reels.Then({0, 0, 0});
    }
    for (int spin = 0; spin < 3; ++spin) {
        QTest::mouseClick(shell.GameWindow()->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        recording.clock.Advance(2500);
    }
    EXPECT_EQ(shell.GameWindow(), nullptr);
    EXPECT_EQ(shell.AboutDialog(), about);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutDialog, OkEscEnterAndTheCloseBoxEachUnloadIt) {
    const std::vector<std::pair<const char*, std::function<void(frmAbout*)>>> ways{
        {"OK",
         [](frmAbout* a) {
             QTest::mouseClick(a->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
         }},
        {"Esc", [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Escape); }},
        {"Enter", [](frmAbout* a) { QTest::keyClick(a, Qt::Key_Return); }},
        {"close box", [](frmAbout* a) { a->close(); }},
    };
    for (const auto& [name, close] : ways) {
        frmAbout* about = Open();
        ASSERT_NE(about, nullptr) << name;
        close(about);
        EXPECT_EQ(shell.AboutDialog(), nullptr) << name;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The game window is still on screen, so closing the dialog does not end the program.
    EXPECT_EQ(recording.end.ends, 0);
}

TEST_F(AboutDialog, EnterOnSystemInfoStartsTheToolAndKeepsTheDialogOpen) {
    recording.registry.SetString(MsInfoKey, "PATH", "/usr/bin/hardinfo");
    frmAbout* about = Open();
    auto* sysInfo = about->findChild<QPushButton*>("cmdSysInfo");
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Return);
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    EXPECT_EQ(recording.launcher.launched,
              (std::vector<std::string>{"/usr/bin/hardinfo", "/usr/bin/hardinfo"}));
    EXPECT_EQ(shell.AboutDialog(), about);
    EXPECT_TRUE(sysInfo->isEnabled());
}

TEST_F(AboutDialog, SystemInfoTellsThePlayerWhenNoToolIsFound) {
    frmAbout* about = Open();
    QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(recording.messages.told,
              std::vector<QString>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(recording.launcher.launched.empty());
    EXPECT_TRUE(about->isVisible());
}

}  // namespace
}  // namespace ksl::testing
