// The image button shows the picture of its state, falling back to
// PicNormal, and sizes itself to PicNormal.

#include "skin/controls/SUIImageButton.h"

#include "SkinControlTest.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Picture.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"

namespace {

using skintest::SkinControlTest;

class ImageButtonTest : public SkinControlTest {
protected:
    TsuiImageButton* MakeButton()
    {
        auto* button = Make<TsuiImageButton>("sibArrow", {10, 10, 30, 30});
        SetPicture(button->PicNormal(), clRed);
        SetPicture(button->PicMouseDown(), clBlue);
        return button;
    }
    static void SetPicture(TPicture* picture, TColor color)
    {
        TBitmap bitmap(12, 10);
        bitmap.Canvas()->Brush()->SetColor(color);
        bitmap.Canvas()->FillRect({0, 0, 12, 10});
        picture->SetBitmap(&bitmap);
    }
};

TEST_F(ImageButtonTest, ShowsTheStatePictureOrPicNormal)
{
    TsuiImageButton* button = MakeButton();
    EXPECT_EQ(ShownColor(button, 5, 5), clRed);
    Hover("sibArrow");  // no PicMouseOn: PicNormal
    EXPECT_EQ(ShownColor(button, 5, 5), clRed);
    Press("sibArrow");
    EXPECT_EQ(ShownColor(button, 5, 5), clBlue);
    Release("sibArrow");
    button->SetEnabled(false);  // no PicDisabled: PicNormal
    EXPECT_EQ(ShownColor(button, 5, 5), clRed);
}

TEST_F(ImageButtonTest, AutoSizeTakesPicNormalsSizeAndStyleReadsFromThemeFile)
{
    TsuiImageButton* button = MakeButton();
    EXPECT_EQ(button->UIStyle(), FromThemeFile);
    button->SetAutoSize2(true);
    EXPECT_EQ(button->Width(), 12);
    EXPECT_EQ(button->Height(), 10);
}

TEST_F(ImageButtonTest, StretchFillsTheButton)
{
    TsuiImageButton* button = MakeButton();
    EXPECT_NE(ShownColor(button, 15, 15), clRed);
    button->SetStretch(true);
    EXPECT_EQ(ShownColor(button, 15, 15), clRed);
}

}  // namespace
