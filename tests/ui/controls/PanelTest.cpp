// TPanel: the classic bevels in exact pixels, the caption in the middle,
// children aligned inside the bevels, and the window border.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/graphics/Font.h"
#include "platform/ui/controls/Panel.h"

namespace uitest {
namespace {

class PanelTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 300, 200});
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 50, 30);
        Pump();
    }
    [[nodiscard]] TColor At(int x, int y)
    {
        Pump();
        const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
        return ColorFromPixel(pixels.GetPixel(panel->Left() + x, panel->Top() + y));
    }
    TForm* form = nullptr;
    TPanel* panel = nullptr;
};

TEST_F(PanelTest, ARaisedBevelIsLightAboveAndDarkBelow)
{
    const TColor light = ColorToRGB(clBtnHighlight);
    const TColor dark = ColorToRGB(clBtnShadow);
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(At(0, 0), light);
    EXPECT_EQ(At(48, 0), light);
    EXPECT_EQ(At(0, 28), light);
    EXPECT_EQ(At(49, 0), dark) << "the top-right corner takes the bottom colour";
    EXPECT_EQ(At(49, 29), dark);
    EXPECT_EQ(At(0, 29), dark);
    EXPECT_EQ(At(1, 1), face);
}

TEST_F(PanelTest, InnerBevelAndBorderWidthNestInsideTheOuterBevel)
{
    panel->SetColor(clRed);
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvRaised);
    panel->SetBorderWidth(2);
    EXPECT_EQ(At(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(1, 1), clRed);
    EXPECT_EQ(At(2, 2), clRed);
    EXPECT_EQ(At(3, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(46, 26), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(4, 4), clRed);
}

TEST_F(PanelTest, TheCaptionIsDrawnInTheMiddle)
{
    panel->SetBounds(10, 10, 120, 40);
    panel->SetBevelOuter(bvNone);
    panel->Font()->SetColor(clBlack);
    auto inkIn = [&](int left, int right) {
        int ink = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = left; x < right; ++x) ink += At(x, y) != ColorToRGB(clBtnFace);
        return ink;
    };
    EXPECT_EQ(inkIn(0, 120), 0);
    panel->SetCaption("WWW");
    EXPECT_GT(inkIn(40, 80), 0);
    EXPECT_EQ(inkIn(0, 30), 0);
    EXPECT_EQ(inkIn(90, 120), 0);
    panel->SetAlignment(taLeftJustify);
    EXPECT_GT(inkIn(0, 30), 0);
}

TEST_F(PanelTest, AlignedChildrenStayInsideTheBevels)
{
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(1);
    auto* child = new TTestGraphic(form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), Rect(5, 5, 45, 25));
    panel->SetBevelInner(bvNone);
    EXPECT_EQ(child->BoundsRect(), Rect(3, 3, 47, 27));
}

TEST_F(PanelTest, BorderStyleSingleAddsAWindowBorder)
{
    panel->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_NE(GetWindowLongPtr(panel->WindowHandle(), GWL_STYLE) & WS_BORDER, 0);
    EXPECT_EQ(panel->ClientRect(), Rect(0, 0, 48, 28));
    panel->SetBorderStyle(bsDialog);
    EXPECT_EQ(panel->BorderStyle(), bsSingle);
}

}  // namespace
}  // namespace uitest
