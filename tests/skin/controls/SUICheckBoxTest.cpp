// Skinned check boxes and radio buttons driven by scripted input: sizes,
// the state picture each state shows, toggling by mouse, keys and
// accelerator, and radio exclusivity among siblings of one group.

#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIRadioButton.h"

#include "SkinControlTest.h"
#include "platform/ui/controls/Panel.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

#include <string>
#include <tuple>

namespace {

using skintest::SkinControlTest;

class CheckBoxTest : public SkinControlTest {
protected:
    template <class T = TsuiCheckBox>
    T* AddBox(const std::string& name, const std::string& caption, TWinControl* parent = nullptr, int top = 10)
    {
        T* box = Make<T>(name, TRect::FromSize(10, top, 93, 17), parent);
        box->SetCaption(caption);
        box->OnClick = [this, name](TObject*) { clicks.push_back(name); };
        Pump();
        return box;
    }
    // The width and height a caption takes in the control's font.
    TSize TextSize(const TControl* control, const std::string& text)
    {
        TBitmap measure;
        measure.Canvas()->SetFont(control->Font());
        return {measure.Canvas()->TextWidth(text), measure.Canvas()->TextHeight(text)};
    }
    std::vector<std::string> clicks;
};

TEST_F(CheckBoxTest, ANewCheckBoxHasItsDefaults)
{
    TsuiCheckBox box(nullptr);
    EXPECT_EQ(box.Width(), 93);
    EXPECT_EQ(box.Height(), 17);
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(box.AutoSize());
    EXPECT_TRUE(box.TabStop());
    EXPECT_EQ(box.UIStyle(), DeepBlue);
}

// Picture (13 x 13 in DeepBlue) plus caption plus 8 wide; the taller of
// the text line + 2 and the picture, plus 4, high. The '&' is text too.
TEST_F(CheckBoxTest, AutoSizeFitsPictureAndCaption)
{
    TsuiCheckBox* box = AddBox("schkNor", "文件头&F");
    const TSize text = TextSize(box, "文件头&F");
    const int lineHeight = TextSize(box, "W").cy;
    EXPECT_EQ(box->Width(), 13 + text.cx + 8);
    EXPECT_EQ(box->Height(), std::max(lineHeight + 2, 13) + 4);
    box->SetAutoSize2(false);
    box->SetCaption("A much longer caption");
    EXPECT_EQ(box->Width(), 13 + text.cx + 8);
}

TEST_F(CheckBoxTest, StateIsAViewOfChecked)
{
    TsuiCheckBox* box = AddBox("schk", "A");
    box->SetState(cbChecked);
    EXPECT_TRUE(box->Checked());
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_TRUE(clicks.empty());  // code fires no OnClick
}

class CheckBoxFrameTest : public CheckBoxTest, public ::testing::WithParamInterface<std::tuple<bool, bool, int>> {};

// Checked/enabled pick frames 1 to 4, drawn at (1, centred).
TEST_P(CheckBoxFrameTest, ShowsTheFrameOfItsState)
{
    const auto [checked, enabled, frame] = GetParam();
    TsuiCheckBox* box = AddBox("schk", "A");
    box->SetChecked(checked);
    box->SetEnabled(enabled);
    EXPECT_EQ(box->StateFrame(), frame);
    TBitmap expected;
    TThemeReader(nullptr, DeepBlue).Bitmap(SuiThemeId::CheckBoxImage, &expected, 4, frame);
    const PixelBuffer shown = Shot(box);
    const int top = (box->Height() - expected.Height()) / 2;
    for (int y = 0; y < expected.Height(); ++y) {
        for (int x = 0; x < expected.Width(); ++x) {
            ASSERT_EQ(ColorFromPixel(shown.At(1 + x, top + y)), expected.Canvas()->Pixels(x, y)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FourFrames, CheckBoxFrameTest,
                         ::testing::Values(std::tuple{true, true, 1}, std::tuple{false, true, 2},
                                           std::tuple{true, false, 3}, std::tuple{false, false, 4}));

TEST_F(CheckBoxTest, ADisabledBoxWritesItsCaptionInTheFontColour)
{
    TsuiCheckBox* box = AddBox("schk", "██");
    box->Font()->SetColor(clBlue);
    const int x = 13 + 4 + TextSize(box, "██").cx / 2;
    EXPECT_EQ(ShownColor(box, x, box->Height() / 2), clBlue);
    box->SetEnabled(false);
    EXPECT_EQ(ShownColor(box, x, box->Height() / 2), clBlue);
}

TEST_F(CheckBoxTest, ClicksSpaceEnterAndTheAcceleratorToggle)
{
    TsuiCheckBox* box = AddBox("schk", "&Go");
    ClickOn("schk");
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    PressKey(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    PressKey(VK_RETURN);
    EXPECT_TRUE(box->Checked());
    AddBox("schkOther", "B", nullptr, 40);
    Focus("schkOther");
    Desktop().InjectText("g");
    Pump();
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(clicks, (std::vector<std::string>{"schk", "schk", "schk", "schk"}));
}

TEST_F(CheckBoxTest, AFastSecondClickTogglesAgain)
{
    TsuiCheckBox* box = AddBox("schk", "A");
    DoubleClick(box);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(CheckBoxTest, ADisabledBoxIgnoresItsAccelerator)
{
    TsuiCheckBox* box = AddBox("schk", "&Go");
    box->SetEnabled(false);
    AddBox("schkOther", "B", nullptr, 40);
    Focus("schkOther");
    Desktop().InjectText("g");
    Pump();
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, TransparentShowsTheParentAndRadioPicturesLeaveOutTheirKey)
{
    Form()->SetColor(clLime);
    TsuiCheckBox* box = AddBox("schk", "A");
    box->SetColor(clRed);
    const int right = box->Width() - 1;
    EXPECT_EQ(ShownColor(box, right, 1), clRed);
    box->SetTransparent(true);
    EXPECT_EQ(ShownColor(box, right, 1), clLime);

    // The bottom-left pixel of a frame is its key colour.
    TsuiRadioButton* radio = AddBox<TsuiRadioButton>("srb", "R", nullptr, 40);
    radio->SetColor(clLime);
    TBitmap frame;
    TThemeReader(nullptr, DeepBlue).Bitmap(SuiThemeId::CheckBoxImage, &frame, 4, box->StateFrame());
    const int top = (box->Height() - frame.Height()) / 2;
    EXPECT_EQ(ShownColor(box, 1, top + frame.Height() - 1), frame.Canvas()->Pixels(0, frame.Height() - 1));
    EXPECT_EQ(ShownColor(radio, 1, top + frame.Height() - 1), clLime);
}

// --- radio buttons -------------------------------------------------------------------

class RadioButtonTest : public CheckBoxTest {
protected:
    TPanel* AddPanel(const std::string& name, int top)
    {
        auto* panel = Make<TPanel>(name, TRect::FromSize(10, top, 300, 120));
        panel->SetCaption("");
        return panel;
    }
    TsuiRadioButton* AddRadio(const std::string& name, TWinControl* parent, int groupIndex, int top)
    {
        auto* radio = AddBox<TsuiRadioButton>(name, name, parent, top);
        radio->SetGroupIndex(groupIndex);
        return radio;
    }
};

TEST_F(RadioButtonTest, CheckingOneUnchecksItsGroupOnTheSameParentOnly)
{
    TPanel* first = AddPanel("pnlFirst", 0);
    TPanel* second = AddPanel("pnlSecond", 130);
    TsuiRadioButton* r1 = AddRadio("R1", first, 0, 5);
    TsuiRadioButton* r2 = AddRadio("R2", first, 0, 30);
    TsuiRadioButton* r3 = AddRadio("R3", first, 1, 55);
    TsuiRadioButton* r4 = AddRadio("R4", second, 0, 5);
    r2->SetChecked(true);
    r3->SetChecked(true);
    r4->SetChecked(true);

    ClickOn("R1");
    EXPECT_TRUE(r1->Checked());
    EXPECT_FALSE(r2->Checked());
    EXPECT_TRUE(r3->Checked());  // another group
    EXPECT_TRUE(r4->Checked());  // another parent

    r3->SetChecked(false);
    r3->SetChecked(true);
    EXPECT_TRUE(r1->Checked());

    // Unchecking in code touches nobody.
    r1->SetChecked(false);
    EXPECT_FALSE(r2->Checked());
}

TEST_F(RadioButtonTest, ClickingACheckedRadioKeepsItCheckedAndFiresOnClickOnce)
{
    TsuiRadioButton* radio = AddRadio("R1", Form(), 0, 10);
    radio->SetChecked(true);
    ClickOn("R1");
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(clicks, std::vector<std::string>{"R1"});
}

TEST_F(RadioButtonTest, TheKeyboardMovesTheChoice)
{
    TsuiRadioButton* r1 = AddRadio("R1", Form(), 0, 10);
    TsuiRadioButton* r2 = AddRadio("R2", Form(), 0, 40);
    Focus("R1");
    PressKey(VK_SPACE);
    EXPECT_TRUE(r1->Checked());
    PressKey(VK_TAB);
    EXPECT_TRUE(r2->Focused());
    PressKey(VK_SPACE);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
}

}  // namespace
