#include "platform/core/Exception.h"
#include "platform/core/MemoryStream.h"
#include "platform/gfx/BmpEncoder.h"
#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Icon.h"
#include "platform/win/Gdi.h"
#include "tests/ui/graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> BytesOf(TMemoryStream& stream)
{
    return {stream.Memory(), stream.Memory() + stream.Size()};
}

TEST(BitmapSizeTest, ResizingKeepsTheCommonPartAndAddsWhitePixels)
{
    auto bitmap = BitmapOf("rb\ngr\n");
    const HBITMAP handle = bitmap->Handle();
    bitmap->SetSize(3, 3);
    EXPECT_EQ(Picture(*bitmap), R"(
rb.
gr.
...
)");
    bitmap->SetWidth(1);
    EXPECT_EQ(Picture(*bitmap), "\nr\ng\n.\n");
    EXPECT_EQ(bitmap->Handle(), handle) << "the handle survives size changes";
    bitmap->SetHeight(0);
    EXPECT_TRUE(bitmap->Empty());
}

TEST(BitmapSizeTest, SizesBeyondTheLimitsAreRefused)
{
    TBitmap bitmap(2, 2);
    EXPECT_THROW(bitmap.SetSize(-1, 2), EOutOfResources);
    EXPECT_THROW(bitmap.SetSize(PixelBuffer::kMaxSide + 1, 1), EOutOfResources);
    EXPECT_EQ(bitmap.Width(), 2);
}

TEST(BitmapSizeTest, CanvasKeepsDrawingAfterAResize)
{
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect({0, 0, 1, 1});
    bitmap.SetSize(4, 1);
    bitmap.Canvas()->FillRect({3, 0, 4, 1});
    EXPECT_EQ(Picture(bitmap), "\nr..r\n");
}

TEST(BitmapChangeTest, DrawingOnTheCanvasAndResizingFireOnChange)
{
    TBitmap bitmap(2, 2);
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.Canvas()->FillRect({0, 0, 1, 1});
    bitmap.SetSize(3, 3);
    bitmap.SetSize(3, 3);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(bitmap.Modified());
    bitmap.SetModified(false);
    EXPECT_FALSE(bitmap.Modified());
}

class BitmapTransparencyTest : public testing::Test {
protected:
    // Draws bitmap on a blue background and returns the picture.
    std::string DrawnOnBlue(const TBitmap& bitmap, const TRect& rect)
    {
        auto target = FilledBitmap(rect.Right, rect.Bottom, clBlue);
        target->Canvas()->StretchDraw(rect, &bitmap);
        return Picture(*target);
    }
};

TEST_F(BitmapTransparencyTest, AutomaticModeLeavesOutTheBottomLeftColour)
{
    auto bitmap = BitmapOf("r.r\n.r.\nggr\n");
    bitmap->SetTransparent(true);
    EXPECT_EQ(bitmap->TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap->TransparentColor(), clLime);
    EXPECT_EQ(DrawnOnBlue(*bitmap, {0, 0, 3, 3}), R"(
r.r
.r.
bbr
)");
    // The colour is read when drawing, so a change of that pixel counts.
    bitmap->Pixels().At(0, 2) = PixelFromColor(clWhite);
    EXPECT_EQ(bitmap->TransparentColor(), clWhite);
    EXPECT_EQ(DrawnOnBlue(*bitmap, {0, 0, 3, 3}), R"(
rbr
brb
bgr
)");
}

TEST_F(BitmapTransparencyTest, FixedModeLeavesOutTheColourSet)
{
    auto bitmap = BitmapOf("r.r\n.r.\nggr\n");
    bitmap->SetTransparent(true);
    bitmap->SetTransparentColor(clRed);
    EXPECT_EQ(bitmap->TransparentMode(), tmFixed);
    EXPECT_EQ(DrawnOnBlue(*bitmap, {0, 0, 3, 3}), R"(
b.b
.b.
ggb
)");
    bitmap->SetTransparentColor(clDefault);
    EXPECT_EQ(bitmap->TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap->TransparentColor(), clLime);
}

TEST_F(BitmapTransparencyTest, FixingTheModeKeepsTheAutomaticColour)
{
    auto bitmap = BitmapOf("rg\nb.\n");
    bitmap->SetTransparentMode(tmFixed);
    bitmap->Pixels().At(0, 1) = PixelFromColor(clRed);
    EXPECT_EQ(bitmap->TransparentColor(), clBlue);
}

TEST_F(BitmapTransparencyTest, OpaqueBitmapsAreCopiedWholeAndStretched)
{
    auto bitmap = BitmapOf("rg\n.#\n");
    EXPECT_EQ(DrawnOnBlue(*bitmap, {0, 0, 4, 2}), R"(
rrgg
..##
)");
}

TEST_F(BitmapTransparencyTest, TransparentBitmapsStretchToo)
{
    auto bitmap = BitmapOf("rg\ngr\n");
    bitmap->SetTransparent(true);
    EXPECT_EQ(DrawnOnBlue(*bitmap, {0, 0, 4, 4}), R"(
rrbb
rrbb
bbrr
bbrr
)");
}

TEST(BitmapStreamTest, SaveAndLoadGiveThePixelsBack)
{
    auto bitmap = BitmapOf("rgb\n.#r\n");
    TMemoryStream stream;
    bitmap->SaveToStream(stream);
    EXPECT_EQ(BytesOf(stream), EncodeBmp(bitmap->Pixels()));

    TBitmap loaded;
    stream.SetPosition(0);
    loaded.LoadFromStream(stream);
    EXPECT_EQ(Picture(loaded), Picture(*bitmap));
    EXPECT_EQ(loaded.PixelFormat(), pf24bit);
}

TEST(BitmapStreamTest, ThirtyTwoBitFormatKeepsAlpha)
{
    TBitmap bitmap(2, 1);
    bitmap.Pixels().At(0, 0) = 0x80FF0000u;
    bitmap.Pixels().At(1, 0) = 0xFF00FF00u;
    bitmap.SetPixelFormat(pf32bit);
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    TBitmap loaded;
    stream.SetPosition(0);
    loaded.LoadFromStream(stream);
    EXPECT_EQ(loaded.PixelFormat(), pf32bit);
    EXPECT_EQ(loaded.Pixels(), bitmap.Pixels());
}

TEST(BitmapStreamTest, EmptyBitmapsSaveAsNothingAndLoadFromNothing)
{
    TBitmap empty;
    TMemoryStream stream;
    empty.SaveToStream(stream);
    EXPECT_EQ(stream.Size(), 0);
    auto bitmap = BitmapOf("rg\n");
    stream.SetPosition(0);
    bitmap->LoadFromStream(stream);
    EXPECT_TRUE(bitmap->Empty());
}

TEST(BitmapStreamTest, DamagedDataRaisesAndLeavesTheBitmapAlone)
{
    auto bitmap = BitmapOf("rg\n");
    std::vector<std::uint8_t> bytes = EncodeBmp(BitmapOf("..\n..\n")->Pixels());
    const std::vector<std::vector<std::uint8_t>> damaged = {
        {'B', 'M', 1, 2, 3},                                  // cut short
        {bytes.begin(), bytes.begin() + 40},                  // header without pixels
        {'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // no BMP at all
    };
    for (const auto& data : damaged) {
        TMemoryStream stream;
        stream.WriteBuffer(data.data(), std::int64_t(data.size()));
        stream.SetPosition(0);
        try {
            bitmap->LoadFromStream(stream);
            ADD_FAILURE() << "damaged data was accepted";
        } catch (const EReadError&) {
        } catch (const EInvalidGraphic&) {
        }
        EXPECT_EQ(Picture(*bitmap), "\nrg\n");
    }
}

class BitmapResourceTest : public UiResourcesTest {};

TEST_F(BitmapResourceTest, BitmapResourcesLoadByName)
{
    TBitmap bitmap;
    bitmap.LoadFromResourceName(nullptr, "ui_glyph");
    EXPECT_EQ(Picture(bitmap), R"(
r?b
.#r
)");
    EXPECT_EQ(ColorAt(bitmap, 1, 0), clGreen);
}

TEST_F(BitmapResourceTest, AMissingResourceRaisesTheResourceError)
{
    auto bitmap = BitmapOf("r\n");
    try {
        bitmap->LoadFromResourceName(nullptr, "NO_SUCH_BITMAP");
        FAIL() << "no error";
    } catch (const EResNotFound& e) {
        EXPECT_NE(e.Message.find("NO_SUCH_BITMAP"), std::string::npos) << e.Message;
    }
    EXPECT_EQ(Picture(*bitmap), "\nr\n");
}

TEST(BitmapAssignTest, AssignMakesADeepCopy)
{
    auto source = BitmapOf("rg\n");
    source->SetTransparent(true);
    source->SetTransparentColor(clRed);
    TBitmap copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(*source);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(copy.Handle(), source->Handle());
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clRed);
    source->Pixels().At(0, 0) = PixelFromColor(clBlue);
    EXPECT_EQ(Picture(copy), "\nrg\n");
}

TEST(BitmapHandleTest, SetHandleTakesOverTheBitmapAndTheCanvasFollows)
{
    TBitmap bitmap(1, 1);
    const HDC before = bitmap.Canvas()->Handle();
    const HBITMAP old = bitmap.Handle();
    const HBITMAP replacement = CreateBitmapFromPixels(PixelBuffer(2, 1, PixelFromColor(clWhite)));
    bitmap.SetHandle(replacement);
    EXPECT_EQ(GetObjectType(old), 0u);
    EXPECT_EQ(bitmap.Width(), 2);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect({1, 0, 2, 1});
    EXPECT_EQ(Picture(bitmap), "\n.r\n");
    EXPECT_EQ(GetObjectType(before), 0u) << "the old context was given back";
    EXPECT_THROW(bitmap.SetHandle(nullptr), EInvalidGraphic);
}

}  // namespace
