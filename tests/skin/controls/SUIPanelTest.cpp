// TsuiPanel: rolling up and down in 15-pixel timer steps, the remembered
// expanded height, the roll button under the pointer, and its look in
// every built-in style.

#include "SkinControlTest.h"
#include "tests/support/BitmapPictures.h"
#include "tests/support/GoldenImage.h"

#include "platform/ui/controls/Panel.h"
#include "skin/controls/SUIPanel.h"

#include <vector>

namespace skintest {
namespace {

class PanelRollTest : public SkinControlTest {
protected:
    void SetUp() override
    {
        panel = Make<TsuiPanel>("spnl1", {10, 10, 130, 210});
        panel->OnResize = [this](TObject*) { heights.push_back(panel->Height()); };
        panel->OnPush = [this](TObject*) { events.push_back("push"); };
        panel->OnPop = [this](TObject*) { events.push_back("pop"); };
    }
    void RunAnimation()
    {
        for (int i = 0; i < 100 && panel->Animating(); ++i) {
            Desktop().AdvanceClock(TsuiPanel::kRollTickMs);
            Pump();
        }
    }
    [[nodiscard]] TPoint RollButtonCentre() const
    {
        return {panel->Width() - 1 - 4 - 6, panel->TitleHeight() / 2};
    }
    TsuiPanel* panel = nullptr;
    std::vector<int> heights;
    std::vector<std::string> events;
};

TEST_F(PanelRollTest, RollsUpAndDownInFifteenPixelSteps)
{
    ASSERT_EQ(panel->Height(), 200);
    const int title = panel->TitleHeight();
    ASSERT_GT(title, 15);
    std::vector<int> up;
    for (int h = 185; h >= 35; h -= 15) up.push_back(h);
    up.push_back(title);
    panel->Push();
    EXPECT_TRUE(panel->Animating());
    RunAnimation();
    EXPECT_EQ(heights, up);
    EXPECT_FALSE(panel->Expanded());
    EXPECT_EQ(panel->Height2(), 200);

    heights.clear();
    panel->Pop();
    RunAnimation();
    std::vector<int> down;
    for (int h = title + 15; h < 200; h += 15) down.push_back(h);
    down.push_back(200);
    EXPECT_EQ(heights, down);
    EXPECT_TRUE(panel->Expanded());
    EXPECT_EQ(events, (std::vector<std::string>{"push", "pop"}));
}

TEST_F(PanelRollTest, AlignedChildrenStayClearOfTheTitleAndTheOutline)
{
    auto* child = new TPanel(Form());
    child->SetParent(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), TRect(3, panel->TitleHeight() + 3, 120 - 3, 200 - 3));
}

TEST_F(PanelRollTest, ResizingARolledUpPanelKeepsItsExpandedHeight)
{
    panel->Push();
    RunAnimation();
    panel->SetBounds(10, 10, 120, 50);
    EXPECT_EQ(panel->Height2(), 200);
    panel->Pop();
    RunAnimation();
    EXPECT_EQ(panel->Height(), 200);
    panel->SetBounds(10, 10, 120, 150);
    EXPECT_EQ(panel->Height2(), 150) << "an expanded panel remembers its new height";
}

TEST_F(PanelRollTest, AClickOnTheRollButtonRollsAndASecondClickTurnsItBack)
{
    MoveTo(panel, RollButtonCentre());
    Click(panel, std::optional<TPoint>(RollButtonCentre()));
    ASSERT_TRUE(panel->Animating());
    Desktop().AdvanceClock(TsuiPanel::kRollTickMs);
    Pump();
    Click(panel, std::optional<TPoint>(RollButtonCentre()));  // while rolling up
    RunAnimation();
    EXPECT_TRUE(panel->Expanded());
    EXPECT_EQ(panel->Height(), 200);
    EXPECT_EQ(events, (std::vector<std::string>{"pop"}));
    Click(panel, std::optional<TPoint>(TPoint{60, 100}));
    EXPECT_FALSE(panel->Animating()) << "a click outside the button does nothing";
}

class PanelGoldenTest : public SkinControlTest, public ::testing::WithParamInterface<TsuiUIStyle> {};

TEST_P(PanelGoldenTest, LooksAsItsStyleSays)
{
    auto* panel = Make<TsuiPanel>("spnl2", {10, 10, 150, 90});
    panel->SetUIStyle(GetParam());
    panel->SetCaption("面板 Panel");
    auto* rolled = Make<TsuiPanel>("spnl3", {160, 10, 300, 110});
    rolled->SetUIStyle(GetParam());
    rolled->SetCaption("收起");
    rolled->Push();
    for (int i = 0; i < 20; ++i) {
        Desktop().AdvanceClock(TsuiPanel::kRollTickMs);
        Pump();
    }
    Pump();
    const PixelBuffer pixels = Desktop().CaptureWindow(Form()->WindowHandle());
    PixelBuffer part(300, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) part.At(x, y) = pixels.GetPixel(x + 5, y + 5);
    EXPECT_TRUE(MatchesGolden(part, std::string("SUIPanel_") + GetEnumName(EnumInfoOf(GetParam()), GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Styles, PanelGoldenTest, ::testing::Values(MacOS, WinXP, DeepBlue, Protein, BlueGlass));

}  // namespace
}  // namespace skintest
