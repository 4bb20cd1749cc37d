#include "window_frame/title_bar.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "window_frame/close_box.h"

namespace ksl {
namespace {

TEST(TitleBar, ShowsTheCaptionAndClosesTheWindowLikeTheDesktopsCloseBox) {
    QWidget window;
    window.setWindowTitle(QStringLiteral("Kronesluk"));
    int closed = 0;
    OnCloseBox(window, [&] { ++closed; });
    TitleBar bar(window);

    const auto captions = bar.findChildren<QLabel*>();
    const auto shows = [&](const QString& text) {
        return std::any_of(captions.begin(), captions.end(),
                           [&](const QLabel* label) { return label->text() == text; });
    };
    EXPECT_TRUE(shows(QStringLiteral("Kronesluk")));
    window.setWindowTitle(QStringLiteral("Kronesluk  av   [ Tindrevik ]"));
    EXPECT_TRUE(shows(QStringLiteral("Kronesluk  av   [ Tindrevik ]")));

    auto* closeBox = bar.findChild<QToolButton*>(QStringLiteral("closeBox"));
    ASSERT_NE(closeBox, nullptr);
    EXPECT_EQ(closeBox->focusPolicy(), Qt::NoFocus);  // the keyboard stays with the game
    QTest::mouseClick(closeBox, Qt::LeftButton);
    EXPECT_EQ(closed, 1);
    // Only the close box: a fixed window is neither minimised nor maximised.
    EXPECT_EQ(bar.findChildren<QToolButton*>().size(), 1);
}

}  // namespace
}  // namespace ksl
