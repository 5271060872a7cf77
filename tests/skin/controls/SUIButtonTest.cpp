// The skinned push button driven as a user drives it: by scripted mouse
// and keys on the headless desktop, checked through its state, its events
// and the pixels it shows.

#include "skin/controls/SUIButton.h"

#include "SkinControlTest.h"
#include "platform/ui/base/Timer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "skin/core/FileTheme.h"
#include "skin/controls/SUIButtonGlyphLayout.h"

#include <string>
#include <vector>

namespace {

using skintest::SkinControlTest;

class ButtonTest : public SkinControlTest {
protected:
    TsuiButton* AddButton(const std::string& name, const std::string& caption, int left = 10)
    {
        auto* button = Make<TsuiButton>(name, TRect::FromSize(left, 10, 80, 27));
        button->SetCaption2(caption);
        button->OnClick = [this, name](TObject*) { clicks.push_back(name); };
        return button;
    }
    std::vector<std::string> clicks;
};

TEST_F(ButtonTest, ANewButtonHasItsDefaults)
{
    TsuiButton button(nullptr);
    EXPECT_EQ(button.Width(), 80);
    EXPECT_EQ(button.Height(), 27);
    EXPECT_EQ(button.Spacing(), 4);
    EXPECT_TRUE(button.TabStop());
    EXPECT_EQ(button.MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(button.Layout(), blGlyphLeft);
    EXPECT_EQ(button.Caption(), "");
    EXPECT_EQ(button.ModalResult(), mrNone);
    EXPECT_EQ(button.UIStyle(), DeepBlue);
    EXPECT_FALSE(button.Transparent());
    EXPECT_EQ(button.ResHandle(), 0);
}

// --- looks ---------------------------------------------------------------------

struct StyleTransparency {
    TsuiUIStyle Style;
    bool Transparent;
};

class ButtonStyleTest : public ButtonTest, public ::testing::WithParamInterface<StyleTransparency> {};

// The parent shows through the face's fuchsia corners exactly when the
// style makes buttons transparent; switching the style is all it takes.
TEST_P(ButtonStyleTest, TheStyleDecidesWhetherTheParentShowsThrough)
{
    Form()->SetColor(clLime);
    TsuiButton* button = AddButton("sbtnA", "A");
    button->SetUIStyle(GetParam().Style);
    EXPECT_EQ(button->Transparent(), GetParam().Transparent);
    EXPECT_EQ(button->PicTransparent(), GetParam().Transparent);
    EXPECT_EQ(ShownColor(button, 0, 0) == clLime, GetParam().Transparent);
    EXPECT_NE(ShownColor(button, 0, 0), clFuchsia);
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, ButtonStyleTest,
                         ::testing::Values(StyleTransparency{MacOS, true}, StyleTransparency{WinXP, false},
                                           StyleTransparency{DeepBlue, false}, StyleTransparency{Protein, false},
                                           StyleTransparency{BlueGlass, true}));

TEST_F(ButtonTest, AutoSizeTakesOneFrameOfTheFace)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    button->SetAutoSize2(true);
    EXPECT_EQ(button->Width(), 74);
    EXPECT_EQ(button->Height(), 21);
    // A later style change keeps the size.
    button->SetUIStyle(MacOS);
    EXPECT_EQ(button->Width(), 74);
}

TEST_F(ButtonTest, AutoSizeWithoutABuiltInFaceTakesTheFaceShown)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    button->SetUIStyle(FromThemeFile);  // no file theme: DeepBlue's face is shown
    button->SetAutoSize2(true);
    EXPECT_EQ(button->Width(), 74);
    EXPECT_EQ(button->Height(), 21);
}

TEST_F(ButtonTest, ABlankCaptionDrawsNoText)
{
    TsuiButton* blank = AddButton("sbtnBlank", "   ");
    TsuiButton* empty = AddButton("sbtnEmpty", "", 100);
    TsuiButton* text = AddButton("sbtnText", "A", 190);
    const PixelBuffer blankPixels = Shot(blank);
    EXPECT_TRUE(blankPixels == Shot(empty));
    EXPECT_FALSE(blankPixels == Shot(text));
}

// A face that cannot be loaded is replaced by an empty one; the paint goes on.
class TBrokenFaceButton : public TsuiButton {
public:
    using TsuiButton::TsuiButton;

protected:
    void PaintButtonNormal(TBitmap* /*buf*/) override { throw EInvalidGraphic("broken face"); }
};

TEST_F(ButtonTest, AnErrorWhileLoadingTheFaceIsCaughtInThePaint)
{
    auto* button = Make<TBrokenFaceButton>("sbtnBroken", {10, 10, 90, 37});
    button->SetCaption2("A");
    EXPECT_EQ(ShownColor(button, 40, 2), clWhite);
    EXPECT_TRUE(messageBoxes.empty());
}

// --- glyphs ----------------------------------------------------------------------------

struct GlyphCase {
    TButtonLayout Layout;
    bool Pressed;
    TPoint Glyph;
    TPoint Text;
};

class GlyphLayoutTest : public ::testing::TestWithParam<GlyphCase> {};

// An 80 x 27 button, a caption 40 x 13, a 16 x 16 glyph, spacing 4.
TEST_P(GlyphLayoutTest, PlacesGlyphAndCaption)
{
    const GlyphCase& c = GetParam();
    const TGlyphPlacement at =
        GlyphLayout({.Button = {80, 27}, .Text = {40, 13}, .Glyph = {16, 16}, .Layout = c.Layout, .Spacing = 4, .Pressed = c.Pressed});
    EXPECT_EQ(at.Glyph, c.Glyph);
    EXPECT_EQ(at.Text, c.Text);
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, GlyphLayoutTest,
                         ::testing::Values(GlyphCase{blGlyphLeft, false, {10, 5}, {30, 7}},
                                           GlyphCase{blGlyphLeft, true, {11, 6}, {31, 8}},
                                           GlyphCase{blGlyphRight, false, {54, 5}, {10, 7}},
                                           // (27 - 33) / 2 truncates toward zero: -3.
                                           GlyphCase{blGlyphTop, false, {32, -3}, {20, 17}},
                                           GlyphCase{blGlyphBottom, false, {32, 14}, {20, -3}}));

// A glyph whose pixels say which frame they come from.
void TwoFrameGlyph(TBitmap& glyph)
{
    glyph.SetSize(32, 16);
    TCanvas* canvas = glyph.Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect({0, 0, 16, 16});
    canvas->Brush()->SetColor(clBlue);
    canvas->FillRect({16, 0, 32, 16});
    canvas->SetPixels(0, 0, clFuchsia);  // the key colour
}

TEST_F(ButtonTest, ATwoFrameGlyphShowsItsSecondFrameWhenDisabled)
{
    TsuiButton* button = AddButton("sbtnGlyph", "");
    TBitmap glyph;
    TwoFrameGlyph(glyph);
    button->SetGlyph(&glyph);
    // No caption: the glyph is centred, (80 - 20) / 2 = 30.
    EXPECT_EQ(ShownColor(button, 38, 13), clRed);
    button->SetEnabled(false);
    EXPECT_EQ(ShownColor(button, 38, 13), clBlue);
    EXPECT_NE(ShownColor(button, 46, 13), clBlue);  // one frame wide
}

// --- mouse -------------------------------------------------------------------------------

TEST_F(ButtonTest, HoldingTheButtonRepeatsEveryIntervalUntilTheRelease)
{
    TsuiButton* button = AddButton("sbtnRepeat", "R");
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++ticks;
    };
    Press("sbtnRepeat");
    EXPECT_EQ(button->State(), TVisualState::Pressed);
    Wait(99);
    EXPECT_EQ(ticks, 0);  // the press itself fires nothing
    Wait(1);
    EXPECT_EQ(ticks, 1);
    for (int i = 0; i < 9; ++i) Wait(100);
    EXPECT_EQ(ticks, 10);
    Release("sbtnRepeat");
    EXPECT_EQ(clicks, std::vector<std::string>{"sbtnRepeat"});
    EXPECT_FALSE(button->Repeating());
    Wait(100);
    Wait(100);
    EXPECT_EQ(ticks, 10);
}

TEST_F(ButtonTest, LeavingTheButtonStopsTheRepeat)
{
    TsuiButton* button = AddButton("sbtnRepeat", "R");
    int ticks = 0;
    button->OnMouseContinuouslyDown = [&](TObject*) { ++ticks; };
    Press("sbtnRepeat");
    Wait(100);
    Wait(100);
    EXPECT_EQ(ticks, 2);
    Desktop().InjectMouseMove(ScreenPointOf(button, TPoint{-20, -5}));
    Pump();
    EXPECT_EQ(button->State(), TVisualState::Normal);
    Wait(100);
    Wait(100);
    EXPECT_EQ(ticks, 2);
    Desktop().InjectMouseUp(ScreenPointOf(button, TPoint{-20, -5}));
    Pump();
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ButtonTest, EveryLeftPressMakesTheTimerEvenWithoutAHandler)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    Press("sbtnA");
    EXPECT_TRUE(button->Repeating());
    Release("sbtnA");
    EXPECT_FALSE(button->Repeating());
}

TEST_F(ButtonTest, HoverShowsTheHotFaceAndFiresEnterAndExit)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    std::vector<std::string> events;
    button->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    button->OnMouseExit = [&](TObject*) { events.push_back("exit"); };
    const PixelBuffer normal = Shot(button);
    Hover("sbtnA");
    EXPECT_EQ(button->State(), TVisualState::Hot);
    EXPECT_FALSE(Shot(button) == normal);
    MoveTo(Form(), TPoint{300, 250});
    EXPECT_EQ(button->State(), TVisualState::Normal);
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));
}

// --- click and modal result ------------------------------------------------------------

TEST_F(ButtonTest, AClickHandsTheModalResultToTheFormZeroIncluded)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    Form()->SetModalResult(mrCancel);
    ClickOn("sbtnA");
    EXPECT_EQ(Form()->ModalResult(), mrNone);
    EXPECT_TRUE(button->Focused());
}

TEST_F(ButtonTest, AButtonWithAModalResultClosesItsModalForm)
{
    Form();
    TForm* dialog = NewForm<TForm>(&App());
    dialog->SetBounds(150, 150, 200, 100);
    auto* ok = new TsuiButton(dialog);
    ok->SetParent(dialog);
    ok->SetModalResult(mrOk);
    auto* timer = new TTimer(dialog);
    timer->SetInterval(50);
    timer->SetOnTimer([&](TObject*) {
        timer->SetEnabled(false);
        Click(ok);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(dialog->Visible());
}

// --- keys ----------------------------------------------------------------------------

TEST_F(ButtonTest, SpaceAndEnterPressOnKeyDownAndClickOnKeyUp)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    for (WORD key : {WORD(VK_SPACE), WORD(VK_RETURN)}) {
        Focus("sbtnA");
        Desktop().InjectKeyDown(key);
        Pump();
        EXPECT_EQ(button->State(), TVisualState::Pressed);
        EXPECT_TRUE(clicks.empty());
        Desktop().InjectKeyUp(key);
        Pump();
        EXPECT_EQ(button->State(), TVisualState::Normal);
        EXPECT_EQ(clicks.size(), 1u);
        clicks.clear();
    }
}

struct DialogKeyCase {
    WORD Key;
    win::KeyModifiers Modifiers;
    bool Clicks;
};

class ButtonDialogKeyTest : public ButtonTest, public ::testing::WithParamInterface<DialogKeyCase> {};

// Enter clicks the Default button and Escape the Cancel one, from another
// control, unless Shift, Ctrl or Alt is held.
TEST_P(ButtonDialogKeyTest, ClicksOnlyWithoutModifiers)
{
    AddButton("sbtnOk", "OK")->SetDefault(true);
    AddButton("sbtnCancel", "Cancel", 100)->SetCancel(true);
    Make<TsuiButton>("sbtnOther", TRect::FromSize(190, 10, 80, 27));
    Focus("sbtnOther");
    PressKey(GetParam().Key, GetParam().Modifiers);
    const std::string expected = GetParam().Key == VK_RETURN ? "sbtnOk" : "sbtnCancel";
    EXPECT_EQ(clicks, GetParam().Clicks ? std::vector<std::string>{expected} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, ButtonDialogKeyTest,
                         ::testing::Values(DialogKeyCase{VK_RETURN, {}, true},
                                           DialogKeyCase{VK_RETURN, {.shift = true}, false},
                                           DialogKeyCase{VK_RETURN, {.control = true}, false},
                                           DialogKeyCase{VK_RETURN, {.alt = true}, false},
                                           DialogKeyCase{VK_ESCAPE, {}, true},
                                           DialogKeyCase{VK_ESCAPE, {.shift = true}, false}));

TEST_F(ButtonTest, TheAcceleratorClicksAnEnabledButton)
{
    TsuiButton* button = AddButton("sbtnGo", "&Go");
    Make<TsuiButton>("sbtnOther", TRect::FromSize(190, 10, 80, 27));
    Focus("sbtnOther");
    Desktop().InjectText("g");
    Pump();
    EXPECT_EQ(clicks, std::vector<std::string>{"sbtnGo"});
    button->SetEnabled(false);
    Desktop().InjectText("g");
    Pump();
    EXPECT_EQ(clicks.size(), 1u);
}

// --- file theme ---------------------------------------------------------------------------

TEST_F(ButtonTest, RemovingTheFileThemeFallsBackToDeepBlue)
{
    TsuiButton* button = AddButton("sbtnA", "A");
    auto* theme = new TsuiFileTheme(Form());
    button->SetFileTheme(theme);
    button->SetUIStyle(FromThemeFile);
    delete theme;
    EXPECT_EQ(button->FileTheme(), nullptr);
    EXPECT_EQ(button->UIStyle(), DeepBlue);
}

}  // namespace
