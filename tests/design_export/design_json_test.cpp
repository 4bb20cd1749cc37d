#include "design_json.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QStringList>

namespace ksl::design_export {
namespace {

class DesignJsonTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { design = new QJsonObject(DesignJson()); }
    static void TearDownTestSuite() { delete design; }

    static QJsonValue Window(const QString& name) {
        for (const QJsonValue window : (*design)["windows"].toArray()) {
            if (window["name"] == name) {
                return window;
            }
        }
        ADD_FAILURE() << "no window " << name.toStdString();
        return {};
    }

    static QJsonValue Control(const QString& window, const QString& name) {
        for (const QJsonValue control : Window(window)["controls"].toArray()) {
            if (control["name"] == name) {
                return control;
            }
        }
        ADD_FAILURE() << "no control " << name.toStdString() << " in " << window.toStdString();
        return {};
    }

    // The names of a window's controls, in the page's order, with how each is read.
    static QStringList Reading(const QString& window) {
        QStringList reading;
        for (const QJsonValue control : Window(window)["controls"].toArray()) {
            reading.append(control["name"].toString() + ' ' + control["read"].toString());
        }
        return reading;
    }

    static inline QJsonObject* design = nullptr;
};

TEST_F(DesignJsonTest, WindowsComeInTheDesktopsReadingOrderLinesLast) {
    EXPECT_EQ(Reading("Form2").join(", ").toStdString(),
              "Title1 alone, Label2 alone, Label3 alone, Label1 alone, Label16 alone, "
              "Command1 alone, Command2 alone, Label5 alone, Label14 alone, Label15 alone, "
              "Label11 alone, Label12 alone, Label6 alone, Label7 alone, Label8 alone, "
              "Label9 alone, Label10 alone, Label4 alone, Label17 line, Label18 line, "
              "Image6 alone, Image3 alone, Image4 alone, Image5 alone, Image1 alone, "
              "Label13 alone, Image2 alone, Line10 unread, Line9 unread, Line8 unread, "
              "Line7 unread, Line6 unread, Line5 unread, Line4 unread, Line3 unread, "
              "Line2 unread, Line1 unread");
    EXPECT_EQ(Reading("Form1").join(", ").toStdString(),
              "Label3 alone, Label4 alone, Label1 alone, Label2 alone");
    EXPECT_EQ(Reading("frmAbout").join(", ").toStdString(),
              "picIcon alone, lblTitle alone, Label1 alone, lblDescription alone, "
              "lblDisclaimer alone, cmdOK alone, cmdSysInfo alone, Line1 unread, Line1 unread");
}

TEST_F(DesignJsonTest, TextsInTheDesignsFontsBreakWhereTheDesktopBreaksThem) {
    for (const auto& [window, name, lines] :
         std::initializer_list<std::tuple<const char*, const char*, QStringList>>{
             {"Form2", "Label6", {"444 ", "333 ", "222 ", "1-1"}},
             {"Form1", "Label1", {"Kronesluk ", "!"}},
             // The prizes were measured to just fit their boxes.
             {"Form2", "Label12", {"-  50 kr    -  100 kr"}},
             {"Form2", "Label10", {"-   2 kr      -   4 kr"}},
             {"Form2", "Label18", {"kr igjen å spille for"}},
         }) {
        EXPECT_EQ(Control(window, name)["lines"].toVariant().toStringList(), lines) << name;
    }
    // The platform's font is another on every platform: the browser breaks those lines.
    EXPECT_FALSE(Control("frmAbout", "lblDescription").toObject().contains("lines"));
}

TEST_F(DesignJsonTest, FontsAreTheDesignsBoldFacesOrThePlatformsOwn) {
    const QJsonValue prizes = Control("Form2", "Label12")["font"];
    EXPECT_EQ(prizes["family"], "Arial");
    EXPECT_EQ(prizes["pixels"], 16);
    EXPECT_EQ(prizes["weight"], 700);
    EXPECT_GE(prizes["lineSpacing"].toInt(), 16);
    // Label6's four lines, one line height of its font apart, fill its box beside the rows.
    const int lineSpacing = Control("Form2", "Label6")["font"]["lineSpacing"].toInt();
    EXPECT_GE(lineSpacing, 27);
    EXPECT_LE(4 * lineSpacing, Control("Form2", "Label6")["box"][3].toInt());
    EXPECT_EQ(Window("Form2")["statusBar"]["font"]["family"], "Baskerville");
    EXPECT_EQ(Window("Form2")["statusBar"]["title"], "Kronesluk");
    const QJsonValue dialog = Window("frmAbout")["font"];
    EXPECT_EQ(dialog["family"], "");
    EXPECT_EQ(dialog["weight"], 400);
    EXPECT_EQ(Control("frmAbout", "cmdOK")["font"], dialog);
    EXPECT_EQ(QJsonValue((*design)["typefaces"])["Arial"].toString().toLower(), "liberation sans");
}

TEST_F(DesignJsonTest, PicturesStackAsDesignedAndKnowWhatCoversThem) {
    // Every prize picture lies wholly behind the black panel, some behind larger prizes too.
    for (const auto& [prize, covering] : std::initializer_list<std::pair<const char*, QStringList>>{
             {"Image5", {"Image6"}},
             {"Image4", {"Image6"}},
             {"Image3", {"Image6"}},
             {"Image1", {"Image6", "Image5"}},
             {"Image2", {"Image6", "Image5", "Image3"}},
         }) {
        EXPECT_EQ(Control("Form2", prize)["coveredBy"].toVariant().toStringList(), covering)
            << prize;
    }
    EXPECT_TRUE(Control("Form2", "Image6")["coveredBy"].toArray().isEmpty());
    EXPECT_EQ(Control("Form2", "Image6")["picture"], "image6.png");
    EXPECT_EQ(Control("Form2", "Image6")["twin"], "image6@2x.png");
    const auto stacking = [](const char* name) {
        return Control("Form2", name)["stacking"].toInt();
    };
    EXPECT_GT(stacking("Command1"), stacking("Label18"));
    EXPECT_GT(stacking("Label13"), stacking("Image6"));
    EXPECT_GT(stacking("Line2"), stacking("Image6"));
    EXPECT_GT(stacking("Image6"), stacking("Image5"));
}

TEST_F(DesignJsonTest, WindowsTimersAndMessagesAsTheGameHasThem) {
    EXPECT_EQ(Window("Form1")["kind"], "window");
    EXPECT_EQ(Window("Form2")["caption"], "Kronesluk  av   [ Tindrevik ]");
    EXPECT_EQ(Window("Form2")["spokenCaption"], "Kronesluk av Tindrevik");
    EXPECT_EQ(Window("frmAbout")["kind"], "dialog");
    EXPECT_EQ(Window("Form2")["menus"][1]["items"][0]["name"], "mnuContent");
    EXPECT_EQ(Window("Form1")["menus"][0]["items"][1]["shortcut"], "Ctrl+Q");
    QStringList timers;
    for (const QJsonValue timer : (*design)["timers"].toArray()) {
        timers.append(timer["name"].toString() + ' ' + QString::number(timer["interval"].toInt()));
    }
    EXPECT_EQ(timers.join(", ").toStdString(),
              "Timer1 500, Timer2 1200, Timer3 1900, Timer4 2500, Penger 2100, NoWin 2100, "
              "Win1 2100, Win2 2100, Win3 2100, Win4 2100, Win5 2100");
    const QJsonValue messages = design->value("messages");
    EXPECT_EQ(messages["caption"], "KSL");
    EXPECT_EQ(messages["ok"].toString().remove(u'&'), "OK");
    EXPECT_EQ(messages["systemInfoUnavailable"], "System Information Is Unavailable At This Time");
}

}  // namespace
}  // namespace ksl::design_export
