#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/FormDescriptionApplier.h"
#include "platform/core/FormDescriptionParser.h"
#include "platform/gfx/BmpEncoder.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Font.h"
#include "platform/ui/graphics/Icon.h"
#include "platform/ui/graphics/Picture.h"
#include "tests/core/TempDir.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

// An object with a picture and a bitmap, as an image control and a button
// with a glyph publish them.
class TUiTestImage : public TPersistent {
    QZ_DECLARE_CLASS(TUiTestImage, TPersistent)
public:
    TPicture Picture;
    TBitmap Glyph;
};

QZ_IMPLEMENT_CLASS(TUiTestImage);

void TUiTestImage::Publish(TClassBuilder<TUiTestImage>& c)
{
    c.SubObject("Picture", &TUiTestImage::Picture);
    c.SubObject("Glyph", &TUiTestImage::Glyph);
}

namespace {

std::vector<std::uint8_t> BmpOf(const std::string& picture)
{
    return EncodeBmp(BitmapOf(picture)->Pixels());
}

void ApplyDescription(TObject& target, const std::string& text)
{
    const TFormObject root = ParseFormDescription(text);
    ApplyFormProperties(target, root.Properties, TFormResolver{});
}

TEST(PictureDataTest, DataIsTheClassNameThenTheGraphicsFile)
{
    TPicture picture;
    EXPECT_TRUE(picture.Data().empty());
    picture.Bitmap()->Assign(*BitmapOf("rg\nb.\n"));
    const std::vector<std::uint8_t> data = picture.Data();
    ASSERT_GT(data.size(), 8u);
    EXPECT_EQ(data[0], 7);
    EXPECT_EQ(std::string(data.begin() + 1, data.begin() + 8), "TBitmap");
    EXPECT_EQ(std::vector<std::uint8_t>(data.begin() + 8, data.end()), BmpOf("rg\nb.\n"));
    EXPECT_EQ(data, PictureData("TBitmap", BmpOf("rg\nb.\n")));

    TPicture copy;
    copy.SetData(data);
    ASSERT_NE(dynamic_cast<TBitmap*>(copy.Graphic()), nullptr);
    EXPECT_EQ(Picture(*copy.Bitmap()), "\nrg\nb.\n");
}

TEST(PictureDataTest, FormDescriptionsSetPictureAndBitmapData)
{
    TUiTestImage image;
    ApplyDescription(image, "object img: TUiTestImage\n"
                            "  Picture.Data = {\n" +
                                PictureDataHex("TBitmap", BmpOf("r.\n.g\n"), 16) +
                                "}\n"
                                // A bitmap's data is its BMP file: the hex after the 8-byte class-name prefix.
                                "  Glyph.Data = {" +
                                PictureDataHex("TBitmap", BmpOf("b\n")).substr(16) +
                                "}\n"
                                "end\n");
    EXPECT_EQ(image.Picture.Width(), 2);
    EXPECT_EQ(Picture(*image.Picture.Bitmap()), "\nr.\n.g\n");
    EXPECT_EQ(Picture(image.Glyph), "\nb\n");
}

TEST(PictureDataTest, IconDataMakesAnIcon)
{
    TPicture picture;
    picture.SetData(PictureData("TIcon", BmpOf("rb\nbb\n")));
    ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Data(), PictureData("TIcon", BmpOf("rb\nbb\n")));
}

TEST(PictureDataTest, BadDataRaisesAndLeavesThePictureAlone)
{
    TPicture picture;
    picture.Bitmap()->Assign(*BitmapOf("r\n"));
    const std::vector<std::uint8_t> bmp = BmpOf("g\n");
    std::vector<std::uint8_t> cutShort = {20, 'T', 'B', 'i', 't'};
    std::vector<std::uint8_t> noName = {3, 1, 2, 3};
    std::vector<std::uint8_t> damagedFile = PictureData("TBitmap", std::span(bmp).first(20));
    EXPECT_THROW(picture.SetData(PictureData("TMetafile", bmp)), EInvalidGraphic);
    EXPECT_THROW(picture.SetData(cutShort), EReadError);
    EXPECT_THROW(picture.SetData(noName), EReadError);
    EXPECT_THROW(picture.SetData(damagedFile), EReadError);
    EXPECT_EQ(Picture(*picture.Bitmap()), "\nr\n");

    TUiTestImage image;
    EXPECT_THROW(ApplyDescription(image, "object img: TUiTestImage\n  Picture.Data = 'text'\nend\n"), EReadError);
}

TEST(PictureDataTest, NoBytesEmptyThePicture)
{
    TPicture picture;
    picture.Bitmap()->SetSize(2, 2);
    picture.SetData({});
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
}

TEST(PictureDataTest, HexIsUpperCaseAndBrokenIntoLines)
{
    const std::vector<std::uint8_t> file = {0xAB, 0x01};
    EXPECT_EQ(PictureDataHex("TIcon", file, 0), "055449636F6EAB01");
    EXPECT_EQ(PictureDataHex("TIcon", file, 8), "05544963\n6F6EAB01");
    EXPECT_THROW((void)PictureData("", file), EInvalidGraphic);
}

TEST(PictureTest, KindAccessorsReplaceAGraphicOfAnotherKind)
{
    TPicture picture;
    (void)picture.Icon();
    ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_EQ(picture.Graphic(), bitmap);
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(picture.Bitmap(), bitmap);
}

TEST(PictureTest, ChangesOfTheGraphicReachThePicture)
{
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &picture);
        ++changes;
    };
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_EQ(changes, 1);
    bitmap->SetSize(2, 2);
    bitmap->Canvas()->FillRect({0, 0, 1, 1});
    EXPECT_EQ(changes, 3);
    picture.SetGraphic(nullptr);
    EXPECT_EQ(changes, 4);
}

TEST(PictureTest, AssignCopiesAndDrawsThroughTheGraphic)
{
    TPicture source;
    source.Bitmap()->Assign(*BitmapOf("rg\n"));
    TPicture copy;
    copy.Assign(source);
    ASSERT_NE(copy.Graphic(), source.Graphic());
    EXPECT_EQ(Picture(*copy.Bitmap()), "\nrg\n");

    TBitmap bitmap;
    bitmap.Assign(source);
    EXPECT_EQ(Picture(bitmap), "\nrg\n");

    auto target = FilledBitmap(3, 1, clWhite);
    target->Canvas()->Draw(1, 0, copy.Graphic());
    EXPECT_EQ(Picture(*target), "\n.rg\n");

    TFont font;
    EXPECT_THROW(copy.Assign(font), EConvertError);
}

TEST(PictureFileTest, LoadsBmpFilesByExtension)
{
    TempDir dir;
    const std::vector<std::uint8_t> bmp = BmpOf("gr\n");
    const std::string path = dir.Write("glyph.BMP", std::string(bmp.begin(), bmp.end()));
    TPicture picture;
    picture.LoadFromFile(path);
    EXPECT_EQ(Picture(*picture.Bitmap()), "\ngr\n");

    const std::string other = dir.Write("glyph.png", "not read");
    EXPECT_THROW(picture.LoadFromFile(other), EInvalidGraphic);
    EXPECT_EQ(Picture(*picture.Bitmap()), "\ngr\n");

    picture.SaveToFile(dir.File("copy.bmp"));
    EXPECT_EQ(TempDir::Read(dir.File("copy.bmp")), std::string(bmp.begin(), bmp.end()));
}

}  // namespace
