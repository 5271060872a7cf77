// Operations on finished pictures that the previews rely on to put the
// pieces together as the skin does.

#include "tools/skinart/Look.h"
#include "tools/skinart/PictureOps.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kP1 = RGB(1, 0, 0);
constexpr TColor kP2 = RGB(2, 0, 0);
constexpr TColor kP3 = RGB(3, 0, 0);

[[nodiscard]] PixelBuffer Row(std::initializer_list<TColor> colours)
{
    PixelBuffer p(int(colours.size()), 1);
    int x = 0;
    for (const TColor c : colours) p.At(x++, 0) = PixelFromRGB(c);
    return p;
}

[[nodiscard]] TColor OpsColorAt(const PixelBuffer& p, int x, int y)
{
    return ColorFromPixel(p.At(x, y));
}

TEST(PictureOpsTest, QuarterTurnsMatchTheSkinsTurns)
{
    const PixelBuffer left = TurnLeft(Row({kP1, kP2, kP3}));
    ASSERT_EQ(left.Width(), 1);
    ASSERT_EQ(left.Height(), 3);
    EXPECT_EQ(OpsColorAt(left, 0, 0), kP3);
    EXPECT_EQ(OpsColorAt(left, 0, 2), kP1);
    const PixelBuffer right = TurnRight(Row({kP1, kP2, kP3}));
    EXPECT_EQ(OpsColorAt(right, 0, 0), kP1);
    EXPECT_EQ(OpsColorAt(right, 0, 2), kP3);
}

TEST(PictureOpsTest, FramesAreCountedFromOne)
{
    const PixelBuffer frame = FrameOf(Row({kP1, kP1, kP2, kP2, kP3, kP3}), 3, 2);
    ASSERT_EQ(frame.Width(), 2);
    EXPECT_EQ(OpsColorAt(frame, 0, 0), kP2);
    EXPECT_EQ(OpsColorAt(frame, 1, 0), kP2);
}

TEST(PictureOpsTest, PutLeavesOutTheKey)
{
    PixelBuffer dest(3, 1, PixelFromRGB(clWhite));
    Put(dest, Row({kP1, clFuchsia}), {1, 0}, clFuchsia);
    EXPECT_EQ(OpsColorAt(dest, 1, 0), kP1);
    EXPECT_EQ(OpsColorAt(dest, 2, 0), clWhite);
}

TEST(PictureOpsTest, ScaledUpRepeatsEachPixel)
{
    const PixelBuffer scaled = ScaledUp(Row({kP1, kP2}), 2);
    ASSERT_EQ(scaled.Width(), 4);
    ASSERT_EQ(scaled.Height(), 2);
    EXPECT_EQ(OpsColorAt(scaled, 1, 1), kP1);
    EXPECT_EQ(OpsColorAt(scaled, 2, 0), kP2);
}

TEST(PictureOpsTest, ThreePiecesKeepTheEndsAndStretchTheMiddle)
{
    PixelBuffer dest(7, 1, PixelFromRGB(clWhite));
    PutThreePiece(dest, Row({kP1, kP2, kP3}), {0, 0, 7, 1});
    EXPECT_EQ(OpsColorAt(dest, 0, 0), kP1);
    for (int x = 1; x < 6; ++x) EXPECT_EQ(OpsColorAt(dest, x, 0), kP2) << x;
    EXPECT_EQ(OpsColorAt(dest, 6, 0), kP3);
}

TEST(PictureOpsTest, NinePiecesKeepTheCornersAndLeaveOutFuchsia)
{
    // A 3 x 3 face: corners 1, edges 2, middle 3, and a fuchsia top-left.
    PixelBuffer face(3, 3, PixelFromRGB(kP2));
    for (const TPoint p : {TPoint{2, 0}, TPoint{0, 2}, TPoint{2, 2}}) face.At(p.X, p.Y) = PixelFromRGB(kP1);
    face.At(0, 0) = PixelFromRGB(kKeyColor);
    face.At(1, 1) = PixelFromRGB(kP3);
    PixelBuffer dest(6, 5, PixelFromRGB(clWhite));
    PutNinePiece(dest, face, {0, 0, 6, 5});
    EXPECT_EQ(OpsColorAt(dest, 0, 0), clWhite) << "fuchsia is left out";
    EXPECT_EQ(OpsColorAt(dest, 5, 0), kP1);
    EXPECT_EQ(OpsColorAt(dest, 5, 4), kP1);
    EXPECT_EQ(OpsColorAt(dest, 3, 2), kP3);
    EXPECT_EQ(OpsColorAt(dest, 0, 2), kP2);
}

}  // namespace
