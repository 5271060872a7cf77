// TsuiComboBox: the skin's frame, button and arrow in exact pixels on the
// main window's 65 x 21 DeepBlue box, golden images of every built-in
// style (enabled, selected, disabled), the ring round the open list, the
// colours a style change resets, a file theme's colours and its removal,
// the open list in every style, and reading one from a form description.

#include "platform/core/Resources.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "skin/controls/SUIComboBox.h"
#include "skin/core/FileTheme.h"
#include "tools/themefile/ThemeFileWriter.h"
#include "tests/core/TempDir.h"
#include "tests/support/GoldenImage.h"
#include "tests/ui/UiTestFixture.h"

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace uitest {
namespace {

constexpr TColor kFace = TColor(0xE8E8E8);  // DeepBlue's FormBackgroundColor
constexpr TColor kGrey = TColor(0x808080);

class SUIComboBoxTest : public UiTest {
protected:
    SUIComboBoxTest() { RegisterResources(AppResources()); }
    // A failed paint (a missing bitmap) shows as a message box.
    void TearDown() override { EXPECT_EQ(messageBoxes, std::vector<std::string>{}); }
    void SetUp() override
    {
        form = ShownForm({100, 100, 400, 300});
        form->SetColor(kFace);
        combo = AddCombo(20, 20);
    }
    TsuiComboBox* AddCombo(int left, int top)
    {
        auto* c = new TsuiComboBox(form);
        c->SetParent(form);
        c->SetStyle(csDropDownList);
        c->SetBounds(left, top, 65, 21);
        c->SetItemHeight(13);
        for (const char* item : {"BLUE", "MACOS", "WINXP"}) c->Items()->Add(item);
        Pump();
        return c;
    }
    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    [[nodiscard]] TColor At(const PixelBuffer& pixels, const TControl* control, int x, int y) const
    {
        const TPoint p = control->ClientOrigin() - form->ClientOrigin();
        return ColorFromPixel(pixels.GetPixel(p.X + x, p.Y + y));
    }
    [[nodiscard]] TColor At(int x, int y) { return At(Capture(), combo, x, y); }
    // Opens the list from the keyboard; its window and that window's screen rectangle.
    std::pair<HWND, TRect> OpenList()
    {
        combo->SetFocus();
        PressKey(VK_F4);
        EXPECT_TRUE(combo->DroppedDown());
        COMBOBOXINFO info;
        EXPECT_TRUE(GetComboBoxInfo(combo->WindowHandle(), info));
        RECT list{};
        GetWindowRect(info.hwndList, list);
        return {info.hwndList, list};
    }

    TForm* form = nullptr;
    TsuiComboBox* combo = nullptr;
};

TEST_F(SUIComboBoxTest, DeepBlueButtonGeometryIsExactOnTheMainWindowsBox)
{
    COMBOBOXINFO info;
    ASSERT_TRUE(GetComboBoxInfo(combo->WindowHandle(), info));
    ASSERT_EQ(info.rcButton, Rect(46, 2, 63, 19));
    const PixelBuffer pixels = Capture();
    auto at = [&](int x, int y) { return At(pixels, combo, x, y); };
    for (const TPoint p : {TPoint{0, 0}, TPoint{64, 0}, TPoint{0, 20}, TPoint{64, 20}, TPoint{30, 0}, TPoint{0, 10}}) {
        EXPECT_EQ(at(p.X, p.Y), clBlack) << "outer ring at " << p.X << "," << p.Y;
    }
    for (const TPoint p : {TPoint{1, 1}, TPoint{63, 1}, TPoint{1, 19}, TPoint{63, 19}, TPoint{46, 19}}) {
        EXPECT_EQ(ColorToRGB(at(p.X, p.Y)), ColorToRGB(combo->Color())) << "inner ring at " << p.X << "," << p.Y;
    }
    for (int y = 1; y <= 18; ++y) EXPECT_EQ(at(46, y), clBlack) << "separator at y " << y;
    EXPECT_EQ(at(47, 2), kFace);
    EXPECT_EQ(at(62, 18), kFace);
    EXPECT_EQ(at(50, 8), kFace);
    EXPECT_EQ(at(58, 8), kFace);
    for (int x = 51; x <= 57; ++x) EXPECT_EQ(at(x, 8), clBlack) << "arrow top row at x " << x;
    for (int x = 52; x <= 56; ++x) EXPECT_EQ(at(x, 9), clBlack);
    for (int x = 53; x <= 55; ++x) EXPECT_EQ(at(x, 10), clBlack);
    EXPECT_EQ(at(54, 11), clBlack) << "the tip";
    EXPECT_EQ(at(53, 11), kFace);
    EXPECT_EQ(at(55, 11), kFace);
    EXPECT_EQ(at(54, 12), kFace);
}

TEST_F(SUIComboBoxTest, ADisabledArrowIsEngravedGreyOverWhite)
{
    combo->SetEnabled(false);
    EXPECT_EQ(At(51, 8), kGrey);
    EXPECT_EQ(At(54, 11), kGrey);
    EXPECT_EQ(At(58, 9), clWhite) << "the white copy shows one pixel right and down";
    EXPECT_EQ(At(55, 12), clWhite);
}

TEST_F(SUIComboBoxTest, ArrowColorHoldsUntilTheNextStyleChange)
{
    combo->SetArrowColor(clRed);
    combo->SetBorderColor(clBlue);
    EXPECT_EQ(At(54, 11), clRed);
    EXPECT_EQ(At(46, 5), clBlue);
    combo->SetUIStyle(Protein);
    EXPECT_EQ(combo->ArrowColor(), clBlack);
    EXPECT_EQ(combo->ButtonColor(), TColor(0xFBFBFB));
    EXPECT_EQ(At(54, 11), clBlack);
    EXPECT_EQ(At(50, 5), TColor(0xFBFBFB));
}

TEST_F(SUIComboBoxTest, TheOpenListIsRingedInTheBorderColour)
{
    combo->SetBorderColor(clRed);
    const auto [window, list] = OpenList();
    const PixelBuffer pixels = Desktop().CaptureWindow(window);
    for (const TPoint p : {TPoint{0, 0}, TPoint{list.Width() - 1, 0}, TPoint{0, list.Height() - 1},
                           TPoint{list.Width() - 1, list.Height() - 1}, TPoint{list.Width() / 2, 0}}) {
        EXPECT_EQ(ColorFromPixel(pixels.GetPixel(p.X, p.Y)), clRed) << p.X << "," << p.Y;
    }
}

TEST_F(SUIComboBoxTest, AFileThemeGivesBothColoursAndItsRemovalFallsBackToDeepBlue)
{
    TempDir dir;
    {
        TsuiThemeFileWriter writer(dir.File("t.sui"));
        writer.AddInteger("ControlBorderColor", 0x0000FF);
        writer.AddInteger("FormBackgroundColor", 0x00FF00);
        writer.Save();
    }
    auto* theme = new TsuiFileTheme(form);
    theme->SetThemeFile(dir.File("t.sui"));
    combo->SetFileTheme(theme);
    combo->SetUIStyle(FromThemeFile);
    EXPECT_EQ(combo->BorderColor(), TColor(0x0000FF));
    EXPECT_EQ(combo->ButtonColor(), TColor(0x00FF00));
    EXPECT_EQ(At(50, 5), TColor(0x00FF00)) << "the flat button";
    delete theme;
    EXPECT_EQ(combo->FileTheme(), nullptr);
    EXPECT_EQ(combo->UIStyle(), DeepBlue);
    EXPECT_EQ(combo->ButtonColor(), kFace);
}

TEST_F(SUIComboBoxTest, AFormDescriptionSetsTheSkinAndComboProperties)
{
    RegisterClass(TsuiComboBox::StaticClassInfo());
    ReadForm(*form, "object f: TForm\n"
                    "  object sCb: TsuiComboBox\n"
                    "    Left = 10\n    Top = 10\n    Width = 65\n    Height = 21\n"
                    "    Style = csDropDownList\n    ItemHeight = 13\n"
                    "    Items.Strings = (\n      'BLUE'\n      'MACOS'\n      'WINXP')\n"
                    "    BorderColor = clBlack\n    ArrowColor = clBlack\n    ButtonColor = 15263976\n"
                    "    UIStyle = WinXP\n  end\nend\n");
    auto* read = dynamic_cast<TsuiComboBox*>(form->FindComponent("sCb"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->UIStyle(), WinXP);
    EXPECT_EQ(read->BorderColor(), TColor(0x686868)) << "the style came last and reset the colour";
    EXPECT_EQ(read->Items()->Count(), 3);
}

class SUIComboBoxGoldenTest : public SUIComboBoxTest, public ::testing::WithParamInterface<TsuiUIStyle> {};

// Three boxes: nothing chosen, an item chosen, disabled.
TEST_P(SUIComboBoxGoldenTest, EveryStyleMatchesItsGolden)
{
    form->SetBounds(100, 100, 225, 41);
    combo->SetBounds(5, 10, 65, 21);
    TsuiComboBox* chosen = AddCombo(80, 10);
    TsuiComboBox* disabled = AddCombo(155, 10);
    chosen->SetItemIndex(1);
    disabled->SetItemIndex(2);
    disabled->SetEnabled(false);
    for (TsuiComboBox* c : {combo, chosen, disabled}) c->SetUIStyle(GetParam());
    EXPECT_TRUE(MatchesGolden(Capture(), "sui_combobox_" + GetEnumName(EnumInfoOf(GetParam()), GetParam())));
}

// The box with its list open, as the screen shows both.
TEST_P(SUIComboBoxGoldenTest, TheOpenListMatchesItsGolden)
{
    combo->SetUIStyle(GetParam());
    combo->SetItemIndex(0);
    const TRect list = OpenList().second;
    PressKey(VK_DOWN);
    const TPoint origin = combo->ClientToScreen({0, 0});
    const TRect area{origin.X - 2, origin.Y - 2, std::max(list.Right, origin.X + 65) + 2, list.Bottom + 2};
    const PixelBuffer screen = Desktop().CaptureScreen();
    PixelBuffer shot(area.Width(), area.Height());
    for (int y = 0; y < shot.Height(); ++y) {
        for (int x = 0; x < shot.Width(); ++x) shot.At(x, y) = screen.GetPixel(area.Left + x, area.Top + y);
    }
    EXPECT_TRUE(MatchesGolden(shot, "sui_combobox_open_" + GetEnumName(EnumInfoOf(GetParam()), GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Styles, SUIComboBoxGoldenTest,
                         ::testing::Values(MacOS, WinXP, DeepBlue, Protein, BlueGlass),
                         [](const auto& info) { return GetEnumName(EnumInfoOf(info.param), info.param); });

}  // namespace
}  // namespace uitest
