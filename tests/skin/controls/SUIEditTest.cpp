// TsuiEdit, TsuiMaskEdit and TsuiMemo: the two-pixel frame in the style's border colour
// and the control's own colour, drawn again after every paint; the user's
// border colour until the next style change; read-only looks the same.

#include "SkinControlTest.h"
#include "tests/support/BitmapPictures.h"

#include "platform/ui/graphics/Font.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUIMemo.h"

namespace skintest {
namespace {

// The whole window of a control, its non-client frame included.
PixelBuffer WindowShot(win::HeadlessBackend& desktop, TWinControl* control)
{
    RECT bounds;
    GetWindowRect(control->Handle(), bounds);
    const PixelBuffer screen = desktop.CaptureScreen();
    PixelBuffer out(bounds.Width(), bounds.Height());
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, screen.GetPixel(bounds.Left + x, bounds.Top + y));
    return out;
}

struct FrameCase {
    TsuiUIStyle style;
    TColor border;
};

template <class T>
class EditFrameTest : public SkinControlTest {
protected:
    void SetUp() override
    {
        edit = Make<T>("sedt1", {16, 72, 16 + 120, 72 + 40});
        edit->SetColor(clLime);
        edit->SetText("abc");
    }
    // The colours at the frame's outer ring, its inner ring and just inside.
    void ExpectFrame(TColor outer, TColor inner)
    {
        this->Pump();
        const PixelBuffer pixels = WindowShot(this->Desktop(), edit);
        const int w = pixels.Width();
        const int h = pixels.Height();
        for (const TPoint p : {TPoint{0, 0}, TPoint{w - 1, 0}, TPoint{0, h - 1}, TPoint{w - 1, h - 1}, TPoint{w / 2, 0}})
            EXPECT_EQ(ColorFromPixel(pixels.At(p.X, p.Y)), outer) << p.X << "," << p.Y;
        for (const TPoint p : {TPoint{1, 1}, TPoint{w - 2, h - 2}, TPoint{1, h / 2}, TPoint{w - 2, 1}})
            EXPECT_EQ(ColorFromPixel(pixels.At(p.X, p.Y)), inner) << p.X << "," << p.Y;
    }
    T* edit = nullptr;
};

using Editors = ::testing::Types<TsuiEdit, TsuiMaskEdit, TsuiMemo>;
TYPED_TEST_SUITE(EditFrameTest, Editors);

TYPED_TEST(EditFrameTest, TheFrameFollowsTheStyleAndLeavesColourAndFontAlone)
{
    const TColor font = this->edit->Font()->Color();
    this->ExpectFrame(clBlack, clLime);
    for (const FrameCase c : {FrameCase{WinXP, TColor(0x686868)}, FrameCase{MacOS, TColor(0x7F7F7F)},
                              FrameCase{BlueGlass, clBlack}}) {
        this->edit->SetUIStyle(c.style);
        this->ExpectFrame(c.border, clLime);
    }
    EXPECT_EQ(this->edit->Color(), clLime);
    EXPECT_EQ(this->edit->Font()->Color(), font);
}

TYPED_TEST(EditFrameTest, AUserBorderColourHoldsUntilTheNextStyleChange)
{
    this->edit->SetBorderColor(clRed);
    this->ExpectFrame(clRed, clLime);
    this->edit->SetFocus();
    this->PressKey('X');  // typing repaints the client area: the frame is drawn again
    this->ExpectFrame(clRed, clLime);
    this->edit->SetUIStyle(WinXP);
    this->ExpectFrame(TColor(0x686868), clLime);
}

TYPED_TEST(EditFrameTest, ReadOnlyLooksTheSame)
{
    this->Pump();
    const PixelBuffer editable = WindowShot(this->Desktop(), this->edit);
    this->edit->SetReadOnly(true);
    this->edit->Invalidate();
    this->Pump();
    EXPECT_EQ(WindowShot(this->Desktop(), this->edit), editable);
}

using MaskEditTypingTest = SkinControlTest;

TEST_F(MaskEditTypingTest, TypingFollowsTheMaskInsideTheFrame)
{
    auto* edit = Make<TsuiMaskEdit>("sedt2", {16, 16, 136, 37});
    edit->SetEditMask("000-0000;1;_");
    edit->SetFocus();
    Desktop().InjectText("12a34567");
    Pump();
    EXPECT_EQ(edit->Text(), "123-4567") << "the letter is refused, the literal skipped";
    const PixelBuffer pixels = WindowShot(Desktop(), edit);
    EXPECT_EQ(ColorFromPixel(pixels.At(0, 0)), clBlack);
    EXPECT_EQ(ColorFromPixel(pixels.At(1, 1)), ColorToRGB(edit->Color()));
}

}  // namespace
}  // namespace skintest
