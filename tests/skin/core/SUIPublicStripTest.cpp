#include "platform/core/Exception.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/Picture.h"
#include "skin/core/SUIPublic.h"
#include "tests/skin/core/SkinCoreTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using skintest::BitmapOf;
using skintest::ColorAt;
using skintest::CoordinateFace;
using skintest::FacePointOf;
using skintest::FilledBitmap;
using skintest::PictureOf;

// --- SpitBitmap ----------------------------------------------------------------

TEST(SpitBitmapTest, TakesTheIndexedFrameOfTheStrip)
{
    auto strip = CoordinateFace(222, 21);
    TBitmap frame;
    SpitBitmap(strip.get(), &frame, 3, 2);
    ASSERT_EQ(frame.Width(), 74);
    ASSERT_EQ(frame.Height(), 21);
    EXPECT_EQ(FacePointOf(ColorAt(frame, 0, 0)), (TPoint{74, 0}));
    EXPECT_EQ(FacePointOf(ColorAt(frame, 73, 20)), (TPoint{147, 20}));
}

TEST(SpitBitmapTest, ColumnsLeftOverAreNeverUsed)
{
    auto strip = CoordinateFace(10, 2);
    TBitmap frame;
    for (int index = 1; index <= 3; ++index) {
        SpitBitmap(strip.get(), &frame, 3, index);
        ASSERT_EQ(frame.Width(), 3);
        EXPECT_EQ(FacePointOf(ColorAt(frame, 0, 1)), (TPoint{3 * (index - 1), 1}));
        EXPECT_EQ(FacePointOf(ColorAt(frame, 2, 1)), (TPoint{3 * index - 1, 1}));
    }
}

TEST(SpitBitmapTest, AnIndexOutsideTheStripLeavesTheDestinationEmpty)
{
    auto strip = CoordinateFace(12, 4);
    for (const int index : {0, 4, -1}) {
        auto frame = FilledBitmap(5, 5, clRed);
        SpitBitmap(strip.get(), frame.get(), 3, index);
        EXPECT_TRUE(frame->Empty()) << "index " << index;
    }
}

TEST(SpitBitmapTest, AFrameCountBelowOneIsRefused)
{
    auto strip = CoordinateFace(12, 4);
    TBitmap frame;
    EXPECT_THROW(SpitBitmap(strip.get(), &frame, 0, 1), EInvalidOperation);
}

TEST(SpitBitmapTest, TheSourceMayAlsoBeTheDestination)
{
    auto strip = BitmapOf("\nrrggbb\nrrggbb\n");
    SpitBitmap(strip.get(), strip.get(), 3, 3);
    EXPECT_EQ(PictureOf(*strip), "\nbb\nbb\n");
}

// --- SpitDrawHorizontal -----------------------------------------------------------

// Caps of 3 x 3 around a middle; pixel (0, 0) is red, the key when transparent.
constexpr const char* kThreePieces = "\n"
                                     "rg#frbgfr\n"
                                     "grgfrb#gf\n"
                                     "ffgfrbgg#\n";

TEST(SpitDrawHorizontalTest, CapsKeepTheirSizeAndTheMiddleStretches)
{
    auto bitmap = BitmapOf(kThreePieces);
    auto target = FilledBitmap(12, 5, clWhite);
    SpitDrawHorizontal(bitmap.get(), target->Canvas(), {0, 0, 12, 5}, false);
    // Opaque mode leaves out fuchsia in the caps; the middle is opaque and
    // follows the rectangle's height, the caps do not.
    EXPECT_EQ(PictureOf(*target), "\n"
                                  "rg#ffrrbbg.r\n"
                                  "grgffrrbb#g.\n"
                                  "..gffrrbbgg#\n"
                                  "...ffrrbb...\n"
                                  "...ffrrbb...\n");
}

TEST(SpitDrawHorizontalTest, TransparentCapsLeaveOutTheTopLeftColour)
{
    auto bitmap = BitmapOf(kThreePieces);
    auto target = FilledBitmap(12, 3, clWhite);
    SpitDrawHorizontal(bitmap.get(), target->Canvas(), {0, 0, 12, 3}, true);
    EXPECT_EQ(PictureOf(*target), "\n"
                                  ".g#ffrrbbgf.\n"
                                  "g.gffrrbb#gf\n"
                                  "ffgffrrbbgg#\n");
}

TEST(SpitDrawHorizontalTest, PlacesCapsAgainstTheRectanglesSides)
{
    auto bitmap = BitmapOf(kThreePieces);
    auto target = FilledBitmap(11, 4, clWhite);
    SpitDrawHorizontal(bitmap.get(), target->Canvas(), {1, 1, 10, 4}, false);
    EXPECT_EQ(PictureOf(*target), "\n"
                                  "...........\n"
                                  ".rg#frbg.r.\n"
                                  ".grgfrb#g..\n"
                                  "...gfrbgg#.\n");
}

TEST(SpitDrawHorizontalTest, ARectangleNarrowerThanBothCapsGetsNoMiddle)
{
    auto bitmap = BitmapOf(kThreePieces);
    auto target = FilledBitmap(5, 3, clWhite);
    SpitDrawHorizontal(bitmap.get(), target->Canvas(), {0, 0, 5, 3}, false);
    EXPECT_EQ(PictureOf(*target), "\n"
                                  "rgg.r\n"
                                  "gr#g.\n"
                                  "..gg#\n");
}

TEST(SpitDrawHorizontalTest, ABitmapTooNarrowForThreePiecesDrawsNothing)
{
    auto bitmap = BitmapOf("\nrg\n");
    auto target = FilledBitmap(4, 2, clWhite);
    SpitDrawHorizontal(bitmap.get(), target->Canvas(), {0, 0, 4, 2}, false);
    EXPECT_EQ(PictureOf(*target), "\n....\n....\n");
}

// --- TileDraw -------------------------------------------------------------------

class TileDrawTest : public testing::Test {
protected:
    TileDrawTest() { m_picture.SetBitmap(BitmapOf("\nrgb\nb#r\n").get()); }
    TPicture m_picture;
};

TEST_F(TileDrawTest, TilesFromTheOriginOneTilePastTheRectanglesSize)
{
    // Rectangle 6 x 4: columns at 0, 3, 6 and rows at 0, 2, 4, so tiles
    // cover 9 x 6 wherever the rectangle itself starts.
    auto target = FilledBitmap(11, 8, clWhite);
    TileDraw(target->Canvas(), &m_picture, {2, 1, 8, 5});
    EXPECT_EQ(PictureOf(*target), "\n"
                                  "rgbrgbrgb..\n"
                                  "b#rb#rb#r..\n"
                                  "rgbrgbrgb..\n"
                                  "b#rb#rb#r..\n"
                                  "rgbrgbrgb..\n"
                                  "b#rb#rb#r..\n"
                                  "...........\n"
                                  "...........\n");
}

TEST_F(TileDrawTest, AHugeRectangleStopsAtWhatTheCanvasShows)
{
    auto target = FilledBitmap(7, 3, clWhite);
    TileDraw(target->Canvas(), &m_picture, {0, 0, INT_MAX - 10, INT_MAX - 10});
    EXPECT_EQ(PictureOf(*target), "\n"
                                  "rgbrgbr\n"
                                  "b#rb#rb\n"
                                  "rgbrgbr\n");
}

TEST(TileDrawEmptyTest, AnEmptyPictureDrawsNothing)
{
    TPicture picture;
    auto target = FilledBitmap(4, 2, clWhite);
    TileDraw(target->Canvas(), &picture, {0, 0, 4, 2});
    (void)picture.Bitmap();  // an empty bitmap now
    TileDraw(target->Canvas(), &picture, {0, 0, 4, 2});
    EXPECT_EQ(PictureOf(*target), "\n....\n....\n");
}

// --- the RoundPicture family -----------------------------------------------------

TEST(RoundPictureTest, ThreeByOneTurnsBothWays)
{
    auto counterClockwise = BitmapOf("\nrgb\n");
    RoundPicture(counterClockwise.get());
    EXPECT_EQ(PictureOf(*counterClockwise), "\nb\ng\nr\n");

    auto clockwise = BitmapOf("\nrgb\n");
    RoundPicture3(clockwise.get());
    EXPECT_EQ(PictureOf(*clockwise), "\nr\ng\nb\n");
}

TEST(RoundPictureTest, CounterClockwiseReadsTheTopRowUpTheLeftColumn)
{
    auto bitmap = BitmapOf("\nrgb\n#.f\n");
    RoundPicture(bitmap.get());
    EXPECT_EQ(PictureOf(*bitmap), "\nbf\ng.\nr#\n");
}

TEST(RoundPictureTest, ClockwiseReadsTheBottomRowDownTheLeftColumn)
{
    auto bitmap = BitmapOf("\nrgb\n#.f\n");
    RoundPicture3(bitmap.get());
    EXPECT_EQ(PictureOf(*bitmap), "\n#r\n.g\nfb\n");
}

TEST(RoundPictureTest, MirrorFlipsTopToBottomKeepingTheSize)
{
    auto square = BitmapOf("\nrg\nb#\n");
    RoundPicture2(square.get());
    EXPECT_EQ(PictureOf(*square), "\nb#\nrg\n");

    auto wide = BitmapOf("\nrgb\n#.f\n");
    RoundPicture2(wide.get());
    EXPECT_EQ(PictureOf(*wide), "\n#.f\nrgb\n");
}

}  // namespace
