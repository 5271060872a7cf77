// TButton: mouse presses with the pushed look following the pointer,
// Space, ModalResult, Enter for the active button and Escape for a Cancel
// one as dialog keys in creation order, accelerators, the classic frame
// pixels (dark outline of the active button, focus rectangle) and the
// disabled look.

#include "tests/ui/UiTestFixture.h"

#include "platform/ui/controls/Button.h"

namespace uitest {
namespace {

class ButtonTest : public UiTest {
protected:
    void SetUp() override { form = ShownForm({0, 0, 400, 300}); }

    TButton* Add(const char* name, const char* caption)
    {
        auto* button = new TButton(form);
        button->SetName(name);
        button->SetParent(form);
        button->SetCaption(caption);
        button->SetLeft(10 + 85 * (form->ControlCount() - 1));
        button->SetTop(10);
        button->OnClick = [this, button](TObject*) { clicks.push_back(button->Name()); };
        return button;
    }
    // A focusable control that is no button and takes no dialog keys.
    TTestButton* AddOther()
    {
        auto* other = new TTestButton(form);
        other->SetParent(form);
        other->SetBounds(10, 100, 75, 25);
        return other;
    }
    void Focus(TWinControl* control)
    {
        control->SetFocus();
        Pump();
    }
    [[nodiscard]] TColor At(const TControl* control, int x, int y) { return At(Capture(), control, x, y); }
    [[nodiscard]] static TColor At(const PixelBuffer& pixels, const TControl* control, int x, int y)
    {
        return ColorFromPixel(pixels.GetPixel(control->Left() + x, control->Top() + y));
    }
    [[nodiscard]] PixelBuffer Capture()
    {
        Pump();
        return Desktop().CaptureWindow(form->WindowHandle());
    }
    TForm* form = nullptr;
    std::vector<std::string> clicks;
};

using Clicks = std::vector<std::string>;

TEST_F(ButtonTest, APressFollowsThePointerAndClicksOnlyWhenReleasedInside)
{
    TButton* ok = Add("ok", "OK");
    Desktop().InjectMouseDown(ScreenPointOf(ok));
    Pump();
    EXPECT_TRUE(ok->Pressed());
    EXPECT_TRUE(ok->Focused()) << "pressing focuses";
    Desktop().InjectMouseMove(ScreenPointOf(ok, TPoint{-20, 5}));
    Pump();
    EXPECT_FALSE(ok->Pressed());
    Desktop().InjectMouseMove(ScreenPointOf(ok, TPoint{5, 5}));
    Pump();
    EXPECT_TRUE(ok->Pressed());
    Desktop().InjectMouseUp(ScreenPointOf(ok, TPoint{5, 200}));
    Pump();
    EXPECT_FALSE(ok->Pressed());
    EXPECT_TRUE(clicks.empty());
    Click(ok);
    EXPECT_EQ(clicks, Clicks{"ok"});
    // A quick second click is a second press, not a double click.
    DoubleClick(ok);
    EXPECT_EQ(clicks, (Clicks{"ok", "ok", "ok"}));
}

TEST_F(ButtonTest, SpacePressesAndReleasingItClicks)
{
    TButton* ok = Add("ok", "OK");
    TTestButton* other = AddOther();
    Focus(ok);
    Desktop().InjectKeyDown(VK_SPACE);
    Pump();
    EXPECT_TRUE(ok->Pressed());
    EXPECT_TRUE(clicks.empty());
    Desktop().InjectKeyUp(VK_SPACE);
    Pump();
    EXPECT_FALSE(ok->Pressed());
    EXPECT_EQ(clicks, Clicks{"ok"});
    // Losing the focus while Space is down ends the press without a click.
    Desktop().InjectKeyDown(VK_SPACE);
    Pump();
    Focus(other);
    EXPECT_FALSE(ok->Pressed());
    Desktop().InjectKeyUp(VK_SPACE);
    Pump();
    EXPECT_EQ(clicks, Clicks{"ok"});
}

TEST_F(ButtonTest, AClickSetsTheFormsModalResultBeforeOnClick)
{
    TButton* yes = Add("yes", "Yes");
    yes->SetModalResult(mrYes);
    TModalResult seen = mrNone;
    yes->OnClick = [&](TObject*) { seen = form->ModalResult(); };
    Click(yes);
    EXPECT_EQ(seen, mrYes);
    EXPECT_EQ(form->ModalResult(), mrYes);
}

TEST_F(ButtonTest, EnterPressesTheFocusedButtonElseTheDefaultOne)
{
    TButton* ok = Add("ok", "OK");
    ok->SetDefault(true);
    TButton* apply = Add("apply", "Apply");
    TTestButton* other = AddOther();
    Focus(other);
    EXPECT_TRUE(ok->Active());
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, Clicks{"ok"});
    Focus(apply);
    EXPECT_TRUE(apply->Active());
    EXPECT_FALSE(ok->Active()) << "another button has the focus";
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, (Clicks{"ok", "apply"}));
    Focus(other);
    EXPECT_TRUE(ok->Active());
    EXPECT_FALSE(apply->Active());
    // With a modifier Enter is no dialog key for buttons.
    Desktop().InjectKeyDown(VK_SHIFT);
    PressKey(VK_RETURN);
    Desktop().InjectKeyUp(VK_SHIFT);
    EXPECT_EQ(clicks, (Clicks{"ok", "apply"}));
}

TEST_F(ButtonTest, TheEarlierOfTwoDefaultButtonsTakesEnter)
{
    TButton* check = Add("check", "分析");
    check->SetDefault(true);
    TButton* clear = Add("clear", "关闭");
    clear->SetDefault(true);
    Focus(AddOther());
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, Clicks{"check"});
    check->SetEnabled(false);
    PressKey(VK_RETURN);
    EXPECT_EQ(clicks, (Clicks{"check", "clear"}));
}

TEST_F(ButtonTest, EscapePressesACancelButton)
{
    TButton* ok = Add("ok", "OK");
    TButton* cancel = Add("cancel", "Cancel");
    cancel->SetCancel(true);
    Focus(ok);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(clicks, Clicks{"cancel"});
    cancel->SetVisible(false);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(clicks, Clicks{"cancel"});
}

TEST_F(ButtonTest, TheAcceleratorPressesTheButton)
{
    Add("go", "&Go");
    Focus(AddOther());
    Desktop().InjectText("g");
    Pump();
    EXPECT_EQ(clicks, Clicks{"go"});
}

TEST_F(ButtonTest, TheActiveButtonWearsADarkOutline)
{
    TButton* plain = Add("plain", "A");
    TButton* active = Add("active", "B");
    active->SetDefault(true);
    const int w = TButton::kDefaultWidth;
    const int h = TButton::kDefaultHeight;
    // The raised push-button edge: brighter outside at the top left, darker outside at the bottom right.
    EXPECT_EQ(At(plain, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(plain, 1, 1), ColorToRGB(cl3DLight));
    EXPECT_EQ(At(plain, w - 1, h - 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(plain, w - 2, h - 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(plain, 2, 2), ColorToRGB(clBtnFace));
    // The same edge one pixel inside the outline.
    EXPECT_EQ(At(active, 0, 0), ColorToRGB(clWindowFrame));
    EXPECT_EQ(At(active, w - 1, h - 1), ColorToRGB(clWindowFrame));
    EXPECT_EQ(At(active, 1, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(active, w - 2, h - 2), ColorToRGB(cl3DDkShadow));
}

TEST_F(ButtonTest, APressedButtonShowsAFlatShadowRing)
{
    TButton* ok = Add("ok", "OK");
    Desktop().InjectMouseDown(ScreenPointOf(ok));
    Pump();
    EXPECT_EQ(At(ok, 0, 0), ColorToRGB(clWindowFrame)) << "pressing makes it the active button";
    EXPECT_EQ(At(ok, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(ok, 2, 2), ColorToRGB(clBtnFace));
    Desktop().InjectMouseUp(ScreenPointOf(ok));
    Pump();
    EXPECT_EQ(At(ok, 1, 1), ColorToRGB(clBtnHighlight));
}

TEST_F(ButtonTest, OnlyTheFocusedButtonShowsTheFocusRectangle)
{
    TButton* ok = Add("ok", "OK");
    TTestButton* other = AddOther();
    const int inset = TButton::kFocusInset;
    auto marked = [&] {
        const PixelBuffer pixels = Capture();
        int count = 0;
        for (int x = inset; x < TButton::kDefaultWidth - inset; ++x)
            count += At(pixels, ok, x, inset) != ColorToRGB(clBtnFace);
        return count;
    };
    Focus(other);
    EXPECT_EQ(marked(), 0);
    Focus(ok);
    EXPECT_GT(marked(), 0);
}

TEST_F(ButtonTest, ADisabledButtonIgnoresTheMouseAndShowsItsCaptionEtched)
{
    TButton* ok = Add("ok", "OK");
    auto count = [&](TColor color) {
        const PixelBuffer pixels = Capture();
        int n = 0;
        // Inside the edges: the caption only.
        for (int y = 3; y < ok->Height() - 3; ++y)
            for (int x = 3; x < ok->Width() - 3; ++x) n += At(pixels, ok, x, y) == ColorToRGB(color);
        return n;
    };
    const int lightBefore = count(clBtnHighlight);
    ok->SetEnabled(false);
    Click(ok);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(ok->Pressed());
    EXPECT_GT(count(clBtnHighlight), lightBefore);
    EXPECT_EQ(count(clBtnText), 0);
}

}  // namespace
}  // namespace uitest
