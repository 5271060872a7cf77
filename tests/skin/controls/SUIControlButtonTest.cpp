// The control button (frames of any theme strip) and the tool-bar speed
// button, driven by the pointer.

#include "skin/controls/SUIControlButton.h"
#include "skin/controls/SUIToolBarSpeedButton.h"

#include "SkinControlTest.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeReader.h"

namespace {

using skintest::SkinControlTest;

class ControlButtonTest : public SkinControlTest {
protected:
    // Whether the button shows frame index of DeepBlue's title-bar strip.
    bool ShowsTitleFrame(const TControl* button, int index)
    {
        TBitmap frame;
        TThemeReader(nullptr, DeepBlue).Bitmap(SuiThemeId::TitleBarButtonImage, &frame, 18, index);
        const PixelBuffer shown = Shot(button);
        for (int y = 0; y < frame.Height(); ++y) {
            for (int x = 0; x < frame.Width(); ++x) {
                if (ColorFromPixel(shown.At(x, y)) != frame.Canvas()->Pixels(x, y)) return false;
            }
        }
        return true;
    }
};

TEST_F(ControlButtonTest, TakesTheSizeOfItsFaceAndShowsTheNextFrameUnderThePointer)
{
    auto* button = Make<TsuiControlButton>("sctl", {10, 10, 50, 50});
    EXPECT_FALSE(button->TabStop());
    EXPECT_EQ(button->UIStyle(), DeepBlue);
    button->SetUIStyle(DeepBlue);
    EXPECT_EQ(button->Width(), 74);  // one of ButtonImage's three frames
    button->SetThemeID(SuiThemeId::TitleBarButtonImage);
    button->SetPicCount(18);
    button->SetPicIndex(3);
    EXPECT_EQ(button->Width(), 19);
    EXPECT_EQ(button->Height(), 19);
    EXPECT_TRUE(ShowsTitleFrame(button, 3));
    Hover("sctl");
    EXPECT_TRUE(ShowsTitleFrame(button, 4));
    Press("sctl");
    EXPECT_TRUE(ShowsTitleFrame(button, 3));
}

TEST_F(ControlButtonTest, IgnoresOutOfRangeSettings)
{
    auto* button = Make<TsuiControlButton>("sctl", {10, 10, 50, 50});
    button->SetThemeID(0);
    button->SetThemeID(43);
    button->SetPicCount(0);
    button->SetPicIndex(0);
    EXPECT_EQ(button->ThemeID(), SuiThemeId::ButtonImage);
    EXPECT_EQ(button->PicCount(), 3);
    EXPECT_EQ(button->PicIndex(), 1);
}

TEST_F(ControlButtonTest, TheSpeedButtonFramesItselfUnderThePointer)
{
    auto* speed = Make<TsuiToolBarSpeedButton>("stb", TRect::FromSize(10, 10, 18, 18));
    speed->SetColor(clWhite);
    TBitmap glyph(4, 4);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({0, 0, 4, 4});
    glyph.Canvas()->SetPixels(0, 3, clFuchsia);  // the key colour
    speed->SetGlyph(&glyph);
    EXPECT_EQ(ShownColor(speed, 0, 0), clWhite);
    EXPECT_EQ(ShownColor(speed, 2, 2), clRed);
    EXPECT_EQ(ShownColor(speed, 1, 4), clWhite);  // the key pixel is left out
    Hover("stb");
    EXPECT_EQ(ShownColor(speed, 0, 0), clBlack);
    EXPECT_EQ(ShownColor(speed, 17, 17), clBlack);
    MoveTo(Form(), TPoint{300, 250});
    EXPECT_EQ(ShownColor(speed, 0, 0), clWhite);
}

}  // namespace
