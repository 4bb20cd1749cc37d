#include <QAction>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>

#include "game_window/game_window_fixture.h"
#include "support/pixels.h"
#include "window_design/line_widget.h"

namespace ksl::testing {
namespace {

// Expected values are the design's own figures in twips, so the conversion is checked as well.
QRect Twips(int l, int t, int w, int h) {
    return {l / 15, t / 15, w / 15, h / 15};
}

struct LabelExpectation {
    const char* name;
    const char* text;
    QRect box;
    int pixelSize;
    QRgb foreground;
    bool visible;
};

using GameWindowLayout = GameWindowFixture;

TEST_F(GameWindowLayout, EveryLabelHasItsBoxTextFontColourAndVisibility) {
    Open();
    for (const LabelExpectation& e : {
             LabelExpectation{"Title1", "Kronesluk", Twips(480, 120, 5775, 615), 35, 0xFFFF00,
                              true},
             LabelExpectation{"Label2", "", Twips(840, 1080, 1335, 1095), 48, 0xFFFF00, false},
             LabelExpectation{"Label3", "", Twips(2400, 1080, 1335, 1095), 48, 0xFFFF00, false},
             LabelExpectation{"Label1", "", Twips(3960, 1080, 1335, 1095), 48, 0xFFFF00, false},
             LabelExpectation{"Label16", "Innsats :", Twips(5520, 840, 1095, 255), 16, 0x8080FF,
                              true},
             LabelExpectation{"Label4", "Du har ", Twips(3240, 2520, 855, 255), 15, 0xFF8000, true},
             LabelExpectation{"Label17", "30", Twips(4080, 2520, 495, 255), 15, 0xFF8000, true},
             LabelExpectation{"Label18", "kr igjen å spille for", Twips(4560, 2520, 2055, 255), 15,
                              0xFF8000, true},
             LabelExpectation{"Label5", "Du vinner ved:", Twips(120, 2520, 1695, 375), 16, 0x80FF80,
                              true},
             LabelExpectation{"Label14", "1 Kr", Twips(1200, 3120, 495, 255), 16, 0x0000FF, true},
             LabelExpectation{"Label15", "2 Kr", Twips(2160, 3120, 495, 255), 16, 0x0000FF, true},
             LabelExpectation{"Label11", "000", Twips(240, 3360, 735, 375), 27, 0x00C000, true},
             LabelExpectation{"Label12", "-  50 kr    -  100 kr", Twips(960, 3480, 1935, 255), 16,
                              0x00C000, true},
             LabelExpectation{"Label6", "444 333 222 1-1", Twips(240, 3840, 735, 1935), 27,
                              0xC0C000, true},
             LabelExpectation{"Label7", "-  30 kr    -  60 kr             ",
                              Twips(960, 3960, 1815, 255), 16, 0x00C000, true},
             LabelExpectation{"Label8", "-  20 kr    -  40 kr", Twips(960, 4440, 1815, 255), 16,
                              0x00C000, true},
             LabelExpectation{"Label9", "-  10 kr    -  20 kr", Twips(960, 4920, 1815, 255), 16,
                              0x00C000, true},
             LabelExpectation{"Label10", "-   2 kr      -   4 kr", Twips(960, 5400, 1935, 255), 16,
                              0x00C000, true},
             LabelExpectation{"Label13", "Ingen Gevinst ", Twips(3360, 3360, 2055, 375), 19,
                              0xFFFFC0, true},
         }) {
        SCOPED_TRACE(e.name);
        const QLabel* label = Find<QLabel>(e.name);
        EXPECT_EQ(label->text(), QString::fromUtf8(e.text));
        EXPECT_EQ(label->geometry(), e.box);
        EXPECT_EQ(label->font().pixelSize(), e.pixelSize);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, e.foreground);
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::black));
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->isVisibleTo(window.get()), e.visible);
    }
}

TEST_F(GameWindowLayout, PrizeTextsFitOnOneLineAndTheCombinationsWrapIntoFour) {
    Open();
    for (const char* name : {"Label7", "Label8", "Label9", "Label10", "Label12"}) {
        const QLabel* label = Find<QLabel>(name);
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text().trimmed()), label->width()) << name;
    }
    const QLabel* combinations = Find<QLabel>("Label6");
    const QFontMetrics metrics(combinations->font());
    const QRect wrapped =
        metrics.boundingRect(combinations->rect(), Qt::TextWordWrap, combinations->text());
    // Four lines, one under the other: "444", "333", "222", "1-1".
    EXPECT_GT(wrapped.height(), 3.5 * metrics.lineSpacing());
    EXPECT_LT(wrapped.height(), 4.5 * metrics.lineSpacing());
}

TEST_F(GameWindowLayout, TheWindowIsFixedWithABlackFaceAndNoMinimiseOrMaximise) {
    Open();
    EXPECT_EQ(window->objectName(), "Form2");
    EXPECT_EQ(window->windowTitle(), "Kronesluk  av   [ Tindrevik ]");
    EXPECT_EQ(window->centralWidget()->height() + window->statusBar()->height(), 424);
    EXPECT_EQ(window->centralWidget()->width(), 448);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    // The icon in every size the desktop may ask for.
    QList<int> iconSizes;
    for (const QSize size : window->windowIcon().availableSizes()) {
        iconSizes.append(size.width());
    }
    std::ranges::sort(iconSizes);
    EXPECT_EQ(iconSizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
    EXPECT_EQ(window->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
}

TEST_F(GameWindowLayout, OnlyTheStakeButtonsTakeTheFocusOneKroneFirst) {
    Open();
    const auto* one = Find<QPushButton>("Command1");
    const auto* two = Find<QPushButton>("Command2");
    EXPECT_EQ(one->text(), "1 Kr");
    EXPECT_EQ(two->text(), "2 Kr");
    EXPECT_EQ(one->geometry(), Twips(5640, 1320, 735, 375));
    EXPECT_EQ(two->geometry(), Twips(5640, 1920, 735, 375));
    const QWidget* next = one->nextInFocusChain();
    while (next != one && !(next->focusPolicy() & Qt::TabFocus)) {
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(next, two);
    EXPECT_TRUE(one->isEnabled() && two->isEnabled());
    for (const QWidget* child : window->centralWidget()->findChildren<QWidget*>()) {
        if (child != one && child != two) {
            EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << child->objectName().toStdString();
        }
    }
}

TEST_F(GameWindowLayout, LinesRunBetweenTheirEndPoints) {
    Open();
    struct Line {
        const char* name;
        int x1, y1, x2, y2;
    };
    for (const Line& l :
         {Line{"Line1", 120, 3000, 3000, 3000}, Line{"Line2", 3000, 3000, 3000, 5760},
          Line{"Line3", 3000, 5760, 120, 5760}, Line{"Line4", 120, 5760, 120, 3000},
          Line{"Line5", 720, 960, 5400, 960}, Line{"Line6", 720, 960, 720, 2280},
          Line{"Line7", 720, 2280, 5400, 2280}, Line{"Line8", 5400, 960, 5400, 2280},
          Line{"Line9", 2280, 960, 2280, 2280}, Line{"Line10", 3840, 960, 3840, 2280}}) {
        const auto* line = Find<LineWidget>(l.name);
        EXPECT_EQ(line->line(), QLine(l.x1 / 15, l.y1 / 15, l.x2 / 15, l.y2 / 15)) << l.name;
    }
}

// Later siblings are painted over earlier ones.
int StackingIndex(const QWidget* widget) {
    return static_cast<int>(widget->parentWidget()->children().indexOf(widget));
}

TEST_F(GameWindowLayout, TheNoWinTextAndTheFrameLieInFrontOfThePanelThatCoversThePrizes) {
    Open();
    const int panel = StackingIndex(Find("Image6"));
    EXPECT_GT(StackingIndex(Find("Label13")), panel);
    EXPECT_GT(StackingIndex(Find("Line2")), panel);
    for (const char* picture : {"Image1", "Image2", "Image3", "Image4", "Image5"}) {
        EXPECT_LT(StackingIndex(Find(picture)), panel) << picture;
    }
    for (const char* label : {"Label18", "Title1", "Label13"}) {
        EXPECT_LT(StackingIndex(Find(label)), StackingIndex(Find("Command1"))) << label;
    }
}

TEST_F(GameWindowLayout, RenderedFaceShowsTheGridTheFrameAndOnlyBlackWhereThePrizesHide) {
    Open();
    const QImage face = window->centralWidget()->grab().toImage();
    const auto at = [&](int xTwips, int yTwips) {
        return RgbAt(face, QPointF(xTwips / 15.0, yTwips / 15.0));
    };
    EXPECT_EQ(at(720, 1500), 0x0000FFU);   // left edge of the reel grid
    EXPECT_EQ(at(2280, 1500), 0x0000FFU);  // divider between the left and middle reels
    EXPECT_EQ(at(1500, 2280), 0x0000FFU);  // bottom edge of the grid
    EXPECT_EQ(at(1500, 1500), 0x000000U);  // an empty reel cell: no digit, no border
    EXPECT_EQ(at(3000, 4500), 0xFF8000U);  // Line2 in front of the black panel
    EXPECT_EQ(at(5100, 4800), 0x000000U);  // the coins behind the black panel stay hidden
    EXPECT_EQ(at(6600, 4800), 0x000000U);
}

// Outside in, a band of dark grey then one of near-black at the top, white then light grey at
// the bottom (the sides take the same shades); each as wide as one of the layout's pixels.
TEST_F(GameWindowLayout, TheReelsSunkenEdgeHasTheClassicShadesAtTheScreensDensity) {
    Open();
    auto* reel = Find<QLabel>("Label2");
    reel->show();
    const QImage edge = reel->grab().toImage();
    const int band = qRound(edge.devicePixelRatio());
    const int x = edge.width() / 2;
    for (int step = 0; step <= 2 * band; ++step) {
        const bool outer = step < band;
        const bool inner = !outer && step < 2 * band;
        EXPECT_EQ(edge.pixel(x, step) & 0xFFFFFFU, outer   ? 0x808080U
                                                   : inner ? 0x404040U
                                                           : 0U)
            << "top, device pixel " << step;
        EXPECT_EQ(edge.pixel(x, edge.height() - 1 - step) & 0xFFFFFFU, outer   ? 0xFFFFFFU
                                                                       : inner ? 0xC0C0C0U
                                                                               : 0U)
            << "bottom, device pixel " << step;
    }
}

TEST_F(GameWindowLayout, MenusCarryTheirItemsAccessLettersAndShortcuts) {
    Open();
    struct Item {
        const char* name;
        const char* text;
        QKeySequence shortcut;
    };
    for (const Item& i : {Item{"mnuPlay", "&Start spill på nytt", QKeySequence(Qt::Key_F2)},
                          Item{"mnuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                          Item{"mnuContent", "&Game", QKeySequence()}}) {
        const auto* action = Find<QAction>(i.name);
        EXPECT_EQ(action->text(), QString::fromUtf8(i.text));
        EXPECT_EQ(action->shortcut(), i.shortcut);
    }
    EXPECT_EQ(Find<QMenu>("mnuSpill")->title(), "&Spill");
    EXPECT_EQ(Find<QMenu>("mnuAbout")->title(), "&About");
    // Added to the window itself, so that the shortcuts work without opening the menu.
    for (const char* item : {"mnuPlay", "mnuExit", "mnuContent"}) {
        EXPECT_TRUE(window->actions().contains(Find<QAction>(item))) << item;
    }
}

TEST_F(GameWindowLayout, StatusBarShowsTimeDateAndTitleInBoldBaskerville) {
    Open();
    const QStatusBar* bar = window->statusBar();
    EXPECT_EQ(bar->objectName(), "StatusBar1");
    EXPECT_EQ(bar->height(), 17);
    EXPECT_TRUE(bar->font().bold());
    EXPECT_EQ(bar->font().pixelSize(), 16);
    EXPECT_TRUE(QFontInfo(bar->font()).family().startsWith("Baskervald"));
    for (const char* key : {"Time", "Date", "KSL"}) {
        const auto* panel = bar->findChild<QLabel*>(key);
        ASSERT_NE(panel, nullptr) << key;
        EXPECT_EQ(panel->toolTip(), key);
    }
    EXPECT_EQ(bar->findChild<QLabel*>("Time")->width(), 96);
    EXPECT_EQ(bar->findChild<QLabel*>("Date")->width(), 96);
    // An inch each for time and date, the rest for the title, and a gap of two between them.
    struct Panel {
        const char* key;
        QRect box;
    };
    for (const Panel& p : {Panel{"Time", {0, 0, 96, 17}}, Panel{"Date", {98, 0, 96, 17}},
                           Panel{"KSL", {196, 0, 252, 17}}}) {
        const auto* panel = bar->findChild<QLabel*>(p.key);
        EXPECT_EQ(QRect(panel->mapTo(bar, QPoint()), panel->size()), p.box) << p.key;
    }
    EXPECT_EQ(bar->findChild<QLabel*>("KSL")->text(), "Kronesluk");
    EXPECT_FALSE(bar->findChild<QLabel*>("Time")->text().isEmpty());
    EXPECT_TRUE(QFontInfo(Find<QLabel>("Title1")->font()).family().startsWith("Liberation Sans"));
}

// Text cut by its panel leaves ink on the panel's edge rows; whole text keeps clear of them.
TEST_F(GameWindowLayout, StatusBarTextsAreNotCut) {
    Open();
    QStatusBar* bar = window->statusBar();
    const QImage image = bar->grab().toImage();
    for (const char* key : {"Time", "Date", "KSL"}) {
        const auto* panel = bar->findChild<QLabel*>(key);
        const QRect box = DeviceRect(image, QRect(panel->mapTo(bar, QPoint()), panel->size()));
        const QRgb face = FaceColour(image, box);
        for (const int y : {box.top(), box.bottom()}) {
            for (int x = box.left(); x <= box.right(); ++x) {
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFFU, face) << key << " at " << x << ", " << y;
            }
        }
    }
}

TEST_F(GameWindowLayout, PicturesFillTheirBoxesAndTellAScreenReaderWhatWasWon) {
    Open();
    struct Picture {
        const char* name;
        QRect box;
    };
    for (const Picture& p : {Picture{"Image6", Twips(2880, 2760, 3975, 2535)},
                             Picture{"Image5", Twips(3240, 3000, 3375, 2295)},
                             Picture{"Image4", Twips(3240, 2880, 3135, 2295)},
                             Picture{"Image3", Twips(3360, 2760, 2640, 2490)},
                             Picture{"Image1", Twips(4080, 3000, 1935, 2265)},
                             Picture{"Image2", Twips(3480, 4080, 1785, 1125)}}) {
        const QWidget* picture = Find(p.name);
        EXPECT_EQ(picture->geometry(), p.box) << p.name;
        EXPECT_FALSE(picture->accessibleName().isEmpty()) << p.name;
    }
    // The black panel reaches past the right edge of the face and is cut off there.
    EXPECT_GT(Find("Image6")->geometry().right(), window->centralWidget()->width());
}

}  // namespace
}  // namespace ksl::testing
