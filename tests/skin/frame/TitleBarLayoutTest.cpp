// The title bar's geometry and the frame's resize zones, as pure functions.

#include "platform/win/WinConst.h"
#include "skin/frame/SUIFrameHitTest.h"
#include "skin/frame/SUITitleBarLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The built-in DeepBlue pieces: left and right 97 wide, the client piece, 19-pixel buttons at top 2.
const std::vector<TTitleSectionPiece> kDeepBlueSections{{suiLeft, 97}, {suiRight, 97}, {suiClient, 10}};
constexpr TSize kButton{19, 19};

std::vector<TTitleButtonPiece> MainWindowButtons()
{
    return {{suiControlBox, true, kButton, 2}, {suiClose, true, kButton, 2}, {suiMin, true, kButton, 2}};
}

struct SectionCase {
    int Width;
    TRect Left, Right, Client;
};

class TitleBarSectionTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(TitleBarSectionTest, SectionsPackFromBothEdgesAndTheClientPieceFillsTheRest)
{
    const SectionCase c = GetParam();
    const TTitleBarLayout layout = LayoutTitleBar({c.Width, 32}, kDeepBlueSections, MainWindowButtons(), {});
    EXPECT_EQ(layout.Sections[0], c.Left);
    EXPECT_EQ(layout.Sections[1], c.Right);
    EXPECT_EQ(layout.Sections[2], c.Client);
}

INSTANTIATE_TEST_SUITE_P(DeepBlue, TitleBarSectionTest,
                         ::testing::Values(
                             // The main window: left x 0..96, right x 181..277, middle x 97..180.
                             SectionCase{278, {0, 0, 97, 32}, {181, 0, 278, 32}, {97, 0, 181, 32}},
                             // 150 - 97 + 1 < 97: the right piece is skipped, the middle reaches the edge.
                             SectionCase{150, {0, 0, 97, 32}, {}, {97, 0, 150, 32}},
                             // Exactly enough room: 193 - 97 + 1 = 97.
                             SectionCase{193, {0, 0, 97, 32}, {96, 0, 193, 32}, {97, 0, 96, 32}}));

struct ButtonCase {
    const char* Name;
    std::vector<TTitleButtonPiece> Buttons;
    TTitleBarOptions Options;
    std::vector<int> ButtonLefts;  // -1: the button takes no room
    int CaptionLeft;
    int CaptionRight;
};

class TitleBarButtonTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(TitleBarButtonTest, ButtonsAndCaptionGoWhereTheBarSays)
{
    const ButtonCase& c = GetParam();
    const TTitleBarLayout layout = LayoutTitleBar({278, 32}, kDeepBlueSections, c.Buttons, c.Options);
    for (std::size_t i = 0; i < c.Buttons.size(); ++i) {
        const TRect& box = layout.Buttons[i];
        EXPECT_EQ(box.IsEmpty() ? -1 : box.Left, c.ButtonLefts[i]) << "button " << i;
    }
    EXPECT_EQ(layout.CaptionLeft, c.CaptionLeft);
    EXPECT_EQ(layout.CaptionRight, c.CaptionRight);
}

std::vector<TTitleButtonPiece> WithHidden(std::vector<TTitleButtonPiece> buttons, std::size_t index)
{
    buttons[index].Visible = false;
    return buttons;
}

const std::vector<TTitleButtonPiece> kFourButtons{
    {suiControlBox, true, kButton, 2}, {suiClose, true, kButton, 2}, {suiMax, true, kButton, 2}, {suiMin, true, kButton, 2}};

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleBarButtonTest,
    ::testing::Values(
        // The main window: close at 259, minimise at 239, caption 24..239 (215 pixels).
        ButtonCase{"MainWindow", MainWindowButtons(), {}, {0, 259, 239}, 24, 239},
        ButtonCase{"FourButtons", kFourButtons, {}, {0, 259, 239, 219}, 24, 219},
        // Hiding the rightmost button moves the others one place right.
        ButtonCase{"HiddenClose", WithHidden(kFourButtons, 1), {}, {0, -1, 259, 239}, 24, 239},
        ButtonCase{"NoControlBox", WithHidden(kFourButtons, 0), {}, {-1, 259, 239, 219}, 6, 219},
        ButtonCase{"NoControlBoxWinXPOffset", WithHidden(kFourButtons, 0), {2, -2, 0, false}, {-1, 257, 237, 217}, 2,
                   217},
        ButtonCase{"Interval", MainWindowButtons(), {0, 0, 3, false}, {0, 256, 233}, 24, 233},
        // The icon: the caption starts 21 after the offset, whatever the control box's width.
        ButtonCase{"AppIcon", MainWindowButtons(), {4, 0, 0, true}, {4, 259, 239}, 25, 239},
        ButtonCase{"AppIconWithoutControlBox", WithHidden(MainWindowButtons(), 0), {0, 0, 0, true}, {-1, 259, 239}, 6,
                   239}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(TitleBarLayoutTest, TheHotButtonIsTheOneWhoseBoxHoldsThePointEdgesIncluded)
{
    const TTitleBarLayout layout = LayoutTitleBar({278, 32}, kDeepBlueSections, MainWindowButtons(), {});
    EXPECT_EQ(layout.ButtonAt({259, 2}), 1);
    EXPECT_EQ(layout.ButtonAt({278, 21}), 1);  // right and bottom edges count
    EXPECT_EQ(layout.ButtonAt({258, 10}), 2);  // the minimise box reaches x 258
    EXPECT_EQ(layout.ButtonAt({100, 10}), -1);
    EXPECT_EQ(layout.ButtonAt({19, 21}), 0);
    EXPECT_EQ(layout.ButtonAt({20, 10}), -1);
}

TEST(TitleBarLayoutTest, AppIconSitsThreePixelsInAtTheButtonRow)
{
    const TTitleBarLayout layout = LayoutTitleBar({278, 32}, kDeepBlueSections, MainWindowButtons(), {4, 0, 0, true});
    EXPECT_EQ(layout.AppIcon, (TPoint{7, 2}));
}

struct CaptionCase {
    const char* Caption;
    int Width;
    int Room;
    const char* Drawn;
};

class FittedCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(FittedCaptionTest, ALongCaptionKeepsItsFirstTwoCharacters)
{
    const CaptionCase& c = GetParam();
    EXPECT_EQ(FittedCaption(c.Caption, c.Width, c.Room), c.Drawn);
}

INSTANTIATE_TEST_SUITE_P(Captions, FittedCaptionTest,
                         ::testing::Values(CaptionCase{"Hello", 215, 215, "Hello"},
                                           CaptionCase{"Hello", 216, 215, "He..."},
                                           // Whole characters, never bytes of one.
                                           CaptionCase{"可执行文件捆绑检测", 300, 215, "可执..."},
                                           CaptionCase{"Q可执行", 300, 10, "Q可..."},
                                           CaptionCase{"é", 50, 10, "é..."}, CaptionCase{"", 0, -5, ""}));

struct HitCase {
    TPoint Point;
    int Expected;
};

class FormEdgeHitTestTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(FormEdgeHitTestTest, BorderStripsAndCornersResize)
{
    const HitCase& c = GetParam();
    EXPECT_EQ(FormEdgeHitTest(c.Point, {280, 310}, HTCLIENT), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormEdgeHitTestTest,
                         ::testing::Values(HitCase{{0, 0}, HTTOPLEFT}, HitCase{{279, 4}, HTTOPRIGHT},
                                           HitCase{{279, 309}, HTBOTTOMRIGHT}, HitCase{{4, 306}, HTBOTTOMLEFT},
                                           HitCase{{0, 100}, HTLEFT}, HitCase{{100, 4}, HTTOP},
                                           HitCase{{279, 100}, HTRIGHT}, HitCase{{100, 309}, HTBOTTOM},
                                           HitCase{{5, 5}, HTCLIENT}, HitCase{{275, 305}, HTCLIENT},
                                           HitCase{{276, 100}, HTRIGHT}, HitCase{{100, 306}, HTBOTTOM}));

class TitleBarEdgeHitTestTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(TitleBarEdgeHitTestTest, TheTopFivePixelsResize)
{
    const HitCase& c = GetParam();
    EXPECT_EQ(TitleBarEdgeHitTest(c.Point, 280, HTCLIENT), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TitleBarEdgeHitTestTest,
                         ::testing::Values(HitCase{{2, 2}, HTTOPLEFT}, HitCase{{100, 4}, HTTOP},
                                           HitCase{{100, 5}, HTCLIENT}, HitCase{{276, 0}, HTTOPRIGHT},
                                           HitCase{{275, 0}, HTTOP}, HitCase{{4, 5}, HTCLIENT}));

}  // namespace
