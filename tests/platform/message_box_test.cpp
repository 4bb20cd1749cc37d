#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>

#include "platform/player_messages.h"

namespace ksl {
namespace {

// A desktop style that decorates the buttons of dialogs, as some do.
class ButtonsWithIcons final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (pixmap == SP_DialogOkButton) {
            QPixmap tick(16, 16);
            tick.fill(Qt::green);
            return QIcon(tick);
        }
        return QProxyStyle::standardIcon(pixmap, option, widget);
    }
};

TEST(MessageBox, ShowsTheTextUnderKslWithOneBareOkButtonThenGivesTheKeyboardBack) {
    const QString previous = QApplication::style()->name();
    QApplication::setStyle(new ButtonsWithIcons);
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("2 Kr"), &window);
    window.show();
    window.activateWindow();
    button->setFocus();

    struct Seen {
        QString title, text;
        int buttons = 0;
        bool iconless = false, okBare = false, applicationModal = false, overWindow = false;
    } seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<QMessageBox*>(widget);
                candidate && candidate->isVisible()) {
                box = candidate;
            }
        }
        if (box == nullptr) {
            return;
        }
        closer.stop();
        seen = {box->windowTitle(),
                box->text(),
                static_cast<int>(box->buttons().size()),
                box->icon() == QMessageBox::NoIcon && box->iconPixmap().isNull(),
                box->button(QMessageBox::Ok) != nullptr &&
                    box->button(QMessageBox::Ok)->icon().isNull(),
                box->windowModality() == Qt::ApplicationModal,
                box->parentWidget() == &window};
        box->button(QMessageBox::Ok)->click();
    });
    closer.start(10);
    MessageBoxMessages().Tell(window, QStringLiteral("Du har tømt automaten !!!!!!"));

    EXPECT_EQ(seen.title, "KSL");
    EXPECT_EQ(seen.text, "Du har tømt automaten !!!!!!");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.iconless);
    EXPECT_TRUE(seen.okBare);
    EXPECT_TRUE(seen.applicationModal);
    EXPECT_TRUE(seen.overWindow);
    EXPECT_EQ(window.focusWidget(), button);
    QApplication::setStyle(previous);
}

}  // namespace
}  // namespace ksl
