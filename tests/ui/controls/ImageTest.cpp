// TImage: where the picture is drawn (top-left, centred, stretched),
// AutoSize, transparent bitmaps, when the control counts as opaque, and a
// picture, cursor and click handler read from a form description.

#include "tests/ui/UiTestFixture.h"

#include "tests/ui/graphics/GraphicsTestSupport.h"
#include "platform/core/MemoryStream.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/graphics/Icon.h"
#include "platform/ui/controls/Image.h"
#include "platform/ui/graphics/Picture.h"

namespace uitest {
namespace {

// A 4 x 4 blue picture with a red top-left pixel and a lime bottom-left one.
constexpr const char* kPicture = R"(
rbbb
bbbb
bbbb
gbbb
)";

class ImageTest : public UiTest {
protected:
    void SetUp() override
    {
        form = ShownForm({0, 0, 100, 100});
        form->SetColor(clYellow);
        image = new TImage(form);
        image->SetParent(form);
        image->SetBounds(10, 10, 20, 20);
        image->Picture()->SetBitmap(BitmapOf(kPicture).get());
        Pump();
    }
    // The colour at an image point.
    [[nodiscard]] TColor At(int x, int y)
    {
        Pump();
        const PixelBuffer pixels = Desktop().CaptureWindow(form->WindowHandle());
        return ColorFromPixel(pixels.GetPixel(image->Left() + x, image->Top() + y));
    }
    TForm* form = nullptr;
    TImage* image = nullptr;
};

TEST_F(ImageTest, ThePictureIsDrawnAtItsSizeCentredOrStretched)
{
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 4, 4));
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(1, 0), clBlue);
    EXPECT_EQ(At(4, 0), clYellow) << "the parent shows around the picture";
    image->SetCenter(true);
    EXPECT_EQ(At(8, 8), clRed);
    EXPECT_EQ(At(0, 0), clYellow);
    image->SetStretch(true);
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 20, 20));
    EXPECT_EQ(At(4, 4), clRed);
    EXPECT_EQ(At(5, 4), clBlue);
    EXPECT_EQ(At(0, 19), clLime);
}

TEST_F(ImageTest, AutoSizeTakesThePictureSizeWhenThePictureChanges)
{
    image->SetAutoSize(true);
    EXPECT_EQ(image->BoundsRect(), Bounds(10, 10, 4, 4));
    image->Picture()->SetBitmap(FilledBitmap(7, 3, clRed).get());
    EXPECT_EQ(image->BoundsRect(), Bounds(10, 10, 7, 3));
    // An empty picture leaves the size alone.
    image->Picture()->SetGraphic(nullptr);
    EXPECT_EQ(image->BoundsRect(), Bounds(10, 10, 7, 3));
}

TEST_F(ImageTest, ATransparentImageLeavesOutTheBottomLeftColour)
{
    EXPECT_EQ(At(0, 3), clLime);
    image->SetTransparent(true);
    EXPECT_EQ(At(0, 3), clYellow);
    EXPECT_EQ(At(0, 0), clRed);
    // A picture assigned later is transparent too.
    image->Picture()->SetBitmap(BitmapOf("\nrg\ngr\n").get());
    EXPECT_EQ(At(0, 1), clYellow);
    EXPECT_EQ(At(1, 1), clRed);
}

TEST_F(ImageTest, OnlyAnOpaquePictureCoveringTheControlMakesItOpaque)
{
    EXPECT_FALSE(image->IsOpaque()) << "the picture covers a corner only";
    image->SetStretch(true);
    EXPECT_TRUE(image->IsOpaque());
    image->SetTransparent(true);
    EXPECT_FALSE(image->IsOpaque());
    image->SetTransparent(false);
    image->SetStretch(false);
    image->SetBounds(10, 10, 4, 4);
    EXPECT_TRUE(image->IsOpaque());
    image->SetWidth(5);
    EXPECT_FALSE(image->IsOpaque());
    image->Picture()->SetGraphic(nullptr);
    EXPECT_FALSE(image->IsOpaque());
}

// A form whose description binds an image and its click handler.
class TfrmImageTest : public TForm {
    QZ_DECLARE_CLASS(TfrmImageTest, TForm)

public:
    explicit TfrmImageTest(TComponent* owner) : TForm(owner) {}
    TImage* imgCf = nullptr;
    int clicks = 0;
    void imgCfClick(TObject* /*sender*/) { ++clicks; }
};

QZ_IMPLEMENT_CLASS(TfrmImageTest);
void TfrmImageTest::Publish(TClassBuilder<TfrmImageTest>& c)
{
    c.Creatable<TComponent>();
    c.Field("imgCf", &TfrmImageTest::imgCf);
    c.Method("imgCfClick", &TfrmImageTest::imgCfClick);
}

TEST_F(ImageTest, PictureCursorAndClickHandlerComeFromADescription)
{
    RegisterClass(TImage::StaticClassInfo());
    TMemoryStream bmp;
    BitmapOf(kPicture)->SaveToStream(bmp);
    const std::string text = "object frmImageTest: TfrmImageTest\n"
                             "  object imgCf: TImage\n"
                             "    Left = 16\n"
                             "    Top = 8\n"
                             "    Width = 100\n"
                             "    Height = 94\n"
                             "    Cursor = crHandPoint\n"
                             "    AutoSize = True\n"
                             "    Picture.Data = {" +
                             PictureDataHex("TBitmap", {bmp.Memory(), std::size_t(bmp.Size())}) +
                             "}\n"
                             "    Transparent = True\n"
                             "    OnClick = imgCfClick\n"
                             "  end\n"
                             "end\n";
    auto* form = new TfrmImageTest(&App());
    ReadForm(*form, text);
    Shown(form, {0, 0, 200, 150}, bsNone);
    ASSERT_NE(form->imgCf, nullptr);
    EXPECT_EQ(form->imgCf->BoundsRect(), Bounds(16, 8, 4, 4));
    EXPECT_EQ(form->imgCf->Cursor(), crHandPoint);
    ASSERT_NE(form->imgCf->Picture()->Graphic(), nullptr);
    EXPECT_TRUE(form->imgCf->Picture()->Graphic()->Transparent());
    Click(form->imgCf);
    EXPECT_EQ(form->clicks, 1);
    // Quick presses are each a click of their own, never pairs of a double click.
    for (int i = 0; i < 4; ++i) Desktop().InjectClick(ScreenPointOf(form->imgCf));
    Pump();
    EXPECT_EQ(form->clicks, 5);
}

}  // namespace
}  // namespace uitest
