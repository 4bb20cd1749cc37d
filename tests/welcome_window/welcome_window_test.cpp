#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QtTest/QTest>

#include "accessibility/announcer.h"
#include "accessibility/notification_events.h"
#include "support/notification_recorder.h"
#include "welcome_window/form1.h"

namespace ksl {
namespace {

QRect Twips(int l, int t, int w, int h) {
    return {l / 15, t / 15, w / 15, h / 15};
}

class WelcomeWindow : public ::testing::Test {
  protected:
    Form1 window;
};

TEST_F(WelcomeWindow, ShowsItsFourCentredLinesInTheirBoxesFontsAndColours) {
    struct Expected {
        const char* name;
        const char* text;
        QRect box;
        int pixelSize;
        QRgb colour;
    };
    for (const Expected& e :
         {Expected{"Label3", "Press F2 for å starte spillet", Twips(600, 120, 5295, 375), 21,
                   0xFF8080},
          Expected{"Label4", "Velkommen Til :", Twips(720, 600, 5055, 615), 32, 0xFF8000},
          Expected{"Label1", "Kronesluk !", Twips(720, 1440, 5175, 3135), 64, 0xFFFF00},
          Expected{"Label2", "av: Tindrevik", Twips(600, 5400, 5175, 495), 21, 0xFF8000}}) {
        SCOPED_TRACE(e.name);
        const auto* label = window.findChild<QLabel*>(e.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString::fromUtf8(e.text));
        EXPECT_EQ(label->geometry(), e.box);
        EXPECT_EQ(label->font().pixelSize(), e.pixelSize);
        EXPECT_TRUE(label->font().bold());
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, e.colour);
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::black));
    }
    // The 48-point title is wider than its box, so it wraps at the space.
    const auto* title = window.findChild<QLabel*>("Label1");
    const QFontMetrics metrics(title->font());
    EXPECT_GT(metrics.horizontalAdvance(title->text()), title->width());
    EXPECT_GT(metrics.boundingRect(title->rect(), Qt::TextWordWrap, title->text()).height(),
              metrics.lineSpacing());
}

TEST_F(WelcomeWindow, IsFixedAt448By424WithItsOwnStatusBar) {
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "Kronesluk");
    EXPECT_EQ(window.centralWidget()->width(), 448);
    EXPECT_EQ(window.centralWidget()->height() + window.statusBar()->height(), 424);
    EXPECT_EQ(window.statusBar()->height(), 18);
    EXPECT_EQ(window.statusBar()->findChild<QLabel*>("KSL")->minimumWidth(), 200);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WelcomeWindow, MenuStartsTheGameWithF2AndExitsWithCtrlQ) {
    const auto* play = window.findChild<QAction*>("mnuPlay");
    const auto* exit = window.findChild<QAction*>("mnuExit");
    ASSERT_TRUE(play && exit);
    EXPECT_EQ(play->text(), "&Start Spill");
    EXPECT_EQ(play->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(exit->text(), "&Exit");
    EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Added to the window itself, so that the shortcuts work without opening the menu.
    EXPECT_TRUE(window.actions().contains(play));
    EXPECT_TRUE(window.actions().contains(exit));
}

// The window has no control that takes the focus; coming to the front, it tells a screen
// reader how to start, in a status message of its status bar, and on Windows in a notification.
TEST_F(WelcomeWindow, TellsAScreenReaderHowToStartWhenItComesToTheFront) {
    const NotificationEvents windowsDesktop;
    testing::NotificationRecorder notifications;
    auto* announcer = window.statusBar()->findChild<Announcer*>("Announcer");
    ASSERT_NE(announcer, nullptr);
    EXPECT_TRUE(announcer->isHidden());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::qWait(0);  // the announcement follows the window's own news of coming to the front
    EXPECT_FALSE(announcer->isHidden());
    EXPECT_EQ(announcer->Message(), QString::fromUtf8("Press F2 for å starte spillet"));
    EXPECT_EQ(notifications.told, QStringList{announcer->Message()});
}

}  // namespace
}  // namespace ksl
