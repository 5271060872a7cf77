// What the pointer does to the look: a title-bar button under the pointer
// shows its mouse-on frame, pressed its mouse-down frame; a menu-bar button
// under the pointer is highlighted in the menu colours.

#include "platform/ui/toolbar/ToolBar.h"
#include "platform/ui/toolbar/ToolButton.h"
#include "tests/skin/frame/FrameTestSupport.h"

namespace frametest {
namespace {

struct HoverCase {
    const char* Name;
    bool Pressed;
    int Frame;  // of the close button's frames 16, 17, 18
};

class TitleBarHoverTest : public FrameTest, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(TitleBarHoverTest, TheCloseButtonShowsTheFrameOfItsState)
{
    SkinnedForm();
    const int close = 1;
    const TPoint at = Bar()->ClientToScreen(ButtonPoint(close));
    Desktop().InjectMouseMove(at);
    if (GetParam().Pressed) Desktop().InjectMouseDown(at);
    Pump();
    EXPECT_EQ(Bar()->HotIndex(), close);
    TBitmap frame;
    GetInsideThemeBitmap(DeepBlue, SuiThemeId::TitleBarButtonImage, &frame, kTitleButtonFrameCount, GetParam().Frame);
    const TRect box = Bar()->Layout().Buttons[close];
    const TPoint origin = Bar()->ClientToScreen(box.TopLeft());
    RECT window;
    GetWindowRect(form->WindowHandle(), window);
    const PixelBuffer pixels = Capture();
    const TColor key = skintest::ColorAt(frame, 0, frame.Height() - 1);
    int compared = 0;
    for (int y = 0; y < frame.Height(); ++y) {
        for (int x = 0; x < frame.Width(); ++x) {
            const TColor want = skintest::ColorAt(frame, x, y);
            if (Buttons()->Items(close)->Transparent() && want == key) continue;
            ++compared;
            EXPECT_EQ(ColorFromPixel(pixels.At(origin.X - window.Left + x, origin.Y - window.Top + y)), want)
                << x << "," << y;
        }
    }
    EXPECT_GT(compared, 100);
    if (GetParam().Pressed) Desktop().InjectMouseUp(Bar()->ClientToScreen(EmptyBarPoint()));
    Pump();
}

INSTANTIATE_TEST_SUITE_P(States, TitleBarHoverTest,
                         ::testing::Values(HoverCase{"MouseOn", false, 17}, HoverCase{"MouseDown", true, 18}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FrameTest, AMenuBarButtonUnderThePointerIsHighlightedInTheMenuColours)
{
    SkinnedForm();
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    skinned->SetMenu(menu);
    Pump();
    TToolButton* button = skinned->MenuBar()->Buttons(0);
    MoveTo(button);
    const TPoint corner = button->ClientToScreen({0, 0});
    RECT window;
    GetWindowRect(form->WindowHandle(), window);
    const PixelBuffer pixels = Capture();
    EXPECT_EQ(ColorFromPixel(pixels.At(corner.X - window.Left, corner.Y - window.Top)), TColor(0xA04A44));
    EXPECT_EQ(ColorFromPixel(pixels.At(corner.X - window.Left + 2, corner.Y - window.Top + 2)), TColor(0xA04A44));
}

}  // namespace
}  // namespace frametest
