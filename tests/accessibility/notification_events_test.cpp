#include "accessibility/notification_events.h"

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QtTest/QTest>
#include <memory>

#include "accessibility/announcer.h"
#include "support/notification_recorder.h"

namespace ksl {
namespace {

// Shows `window` and lets its coming to the front, and all that this sets off, run to the end.
void BringToTheFront(QWidget& window) {
    struct AfterActivation final : QObject {
        bool eventFilter(QObject* /*watched*/, QEvent* event) override {
            if (event->type() == QEvent::WindowActivate) {
                QTimer::singleShot(0, this, [this] { done = true; });
            }
            return false;
        }
        bool done = false;
    } after;
    window.installEventFilter(&after);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&after] { return after.done; }));
    window.removeEventFilter(&after);
}

struct DesktopCase {
    const char* name;
    bool windows;
    QStringList told;
};

class NotificationEventsOn : public ::testing::TestWithParam<DesktopCase> {};

// A spin's words shown by an announcer, then a message box coming to the front: on Windows
// both are told as notifications, on Linux neither (the shown notification and the box are
// what screen readers there hear).
TEST_P(NotificationEventsOn, TellTheWordsOfAnAnnouncementAndOfAMessageBoxInFront) {
    QMainWindow window;
    auto* announcer = new Announcer(window.statusBar());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto desktop = GetParam().windows ? std::make_unique<NotificationEvents>() : nullptr;
    testing::NotificationRecorder notifications;

    announcer->Announce(QStringLiteral("Gevinst 10, 40 kr, hjul 2 2 2."));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KSL"),
                    QString::fromUtf8("Du har tømt automaten !!!!!!"), QMessageBox::Ok, &window);
    BringToTheFront(box);

    EXPECT_EQ(notifications.told, GetParam().told);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, NotificationEventsOn,
    ::testing::Values(DesktopCase{"Windows",
                                  true,
                                  {QStringLiteral("Gevinst 10, 40 kr, hjul 2 2 2."),
                                   QString::fromUtf8("Du har tømt automaten !!!!!!")}},
                      DesktopCase{"Linux", false, {}}),
    [](const ::testing::TestParamInfo<DesktopCase>& param) { return param.param.name; });

}  // namespace
}  // namespace ksl
