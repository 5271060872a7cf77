#include "platform/gfx/Region.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

namespace {

std::vector<TRect> RectsOf(const Region& r) { return r.Rects(); }

}  // namespace

TEST(Region, CanonicalFormDoesNotDependOnConstructionOrder)
{
    const Region a(TRect{0, 0, 10, 10});
    const Region b(TRect{5, 5, 15, 15});
    EXPECT_EQ(a.United(b), b.United(a));
    EXPECT_EQ(RectsOf(a.United(b)), (std::vector<TRect>{{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}));
    EXPECT_EQ(a.United(b).Bounds(), (TRect{0, 0, 15, 15}));
    EXPECT_EQ(a.United(b).Kind(), COMPLEXREGION);
}

TEST(Region, TouchingPiecesWithEqualSpansMergeIntoOneRectangle)
{
    const Region stacked = Region(TRect{0, 0, 10, 5}).United(Region(TRect{0, 5, 10, 10}));
    const Region sideBySide = Region(TRect{0, 0, 5, 5}).United(Region(TRect{5, 0, 10, 5}));
    EXPECT_EQ(stacked, Region(TRect{0, 0, 10, 10}));
    EXPECT_EQ(sideBySide, Region(TRect{0, 0, 10, 5}));
    EXPECT_EQ(stacked.Kind(), SIMPLEREGION);
    // Taking the hole back out of a framed square gives the square again.
    const Region square(TRect{0, 0, 9, 9});
    const Region hole(TRect{3, 3, 6, 6});
    EXPECT_EQ(square.Subtracted(hole).United(hole), square);
}

TEST(Region, SubtractIntersectAndXor)
{
    const Region frame = Region(TRect{0, 0, 9, 9}).Subtracted(Region(TRect{3, 3, 6, 6}));
    EXPECT_EQ(RectsOf(frame), (std::vector<TRect>{{0, 0, 9, 3}, {0, 3, 3, 6}, {6, 3, 9, 6}, {0, 6, 9, 9}}));
    EXPECT_FALSE(frame.Contains({3, 3}));
    EXPECT_TRUE(frame.Contains({2, 3}));
    EXPECT_TRUE(frame.Contains({6, 5}));

    const Region a(TRect{0, 0, 6, 4});
    const Region b(TRect{3, 2, 9, 8});
    EXPECT_EQ(a.Intersected(b), Region(TRect{3, 2, 6, 4}));
    EXPECT_EQ(a.Xored(b), a.United(b).Subtracted(a.Intersected(b)));
    EXPECT_TRUE(a.Xored(a).IsEmpty());
    EXPECT_TRUE(a.Intersected(Region(TRect{6, 0, 9, 4})).IsEmpty());
    EXPECT_EQ(a.Intersected(Region(TRect{6, 0, 9, 4})).Bounds(), TRect{});
    EXPECT_EQ(Region::Combine(a, b, RGN_COPY), a);
    EXPECT_TRUE(Region::Combine(a, b, 42).IsEmpty());
    EXPECT_EQ(Region().Kind(), NULLREGION);
}

TEST(Region, PointAndRectangleTestsExcludeRightAndBottom)
{
    const Region r(TRect{2, 2, 5, 5});
    EXPECT_TRUE(r.Contains({4, 4}));
    EXPECT_FALSE(r.Contains({5, 4}));
    EXPECT_FALSE(r.Contains({4, 5}));
    EXPECT_FALSE(r.Intersects({5, 5, 9, 9}));
    EXPECT_TRUE(r.Intersects({4, 4, 9, 9}));
    EXPECT_FALSE(r.Intersects({9, 9, 0, 0}));
    EXPECT_EQ(r.Band(3).size(), 1u);
    EXPECT_TRUE(r.Band(5).empty());
}

TEST(Region, OffsetMovesRectanglesAndBounds)
{
    const Region r = Region(TRect{0, 0, 4, 4}).Subtracted(Region(TRect{1, 1, 3, 3})).Offset(10, -2);
    EXPECT_EQ(r.Bounds(), (TRect{10, -2, 14, 2}));
    EXPECT_TRUE(r.Contains({10, -2}));
    EXPECT_FALSE(r.Contains({11, -1}));
    EXPECT_EQ(r.Offset(-10, 2), Region(TRect{0, 0, 4, 4}).Subtracted(Region(TRect{1, 1, 3, 3})));
}

TEST(Region, FactoriesPutCoordinatesInOrder)
{
    EXPECT_EQ(Region::CreateRectRgn(10, 10, 0, 0), Region(TRect{0, 0, 10, 10}));
    EXPECT_TRUE(Region::CreateRectRgn(3, 0, 3, 10).IsEmpty());
    // Below two pixels of ellipse the rounded region is the plain rectangle.
    EXPECT_EQ(Region::CreateRoundRectRgn(0, 0, 20, 10, 0, 0), Region::CreateRectRgn(0, 0, 20, 10));
    EXPECT_EQ(Region::CreateRoundRectRgn(20, 10, 0, 0, 1, 9), Region::CreateRectRgn(0, 0, 20, 10));
}

TEST(Region, RoundedRegionLeavesOutRightColumnAndBottomRow)
{
    const Region r = Region::CreateRoundRectRgn(0, 0, 8, 6, 4, 4);
    EXPECT_EQ(r.Bounds(), (TRect{0, 0, 7, 5}));
    EXPECT_EQ(Picture(r, {0, 0, 8, 6}), R"(
.#####..
#######.
#######.
#######.
.#####..
........
)");
}

TEST(Region, SmallCircleTakesPixelsWhoseCentresAreInside)
{
    EXPECT_EQ(Picture(Region::CreateEllipticRgn(0, 0, 6, 6), {0, 0, 5, 5}), R"(
.###.
#####
#####
#####
.###.
)");
}

TEST(Region, EllipseIsSymmetricInBothDirections)
{
    const Region e = Region::CreateEllipticRgn(0, 0, 24, 15);
    const TRect box{0, 0, 23, 14};
    EXPECT_EQ(e.Bounds(), box);
    for (int y = 0; y < box.Bottom; ++y) {
        const auto row = e.Band(y);
        const auto mirrored = e.Band(box.Bottom - 1 - y);
        ASSERT_EQ(row.size(), 1u) << "row " << y;
        ASSERT_EQ(mirrored.size(), 1u);
        EXPECT_EQ(row[0].Left, box.Right - row[0].Right) << "row " << y;
        EXPECT_EQ(row[0].Left, mirrored[0].Left) << "row " << y;
    }
    EXPECT_FALSE(e.Contains({0, 0}));
    EXPECT_TRUE(e.Contains({11, 7}));
}

// A skinned window's shape: a rounded rectangle one pixel larger than the
// window (the rounded region leaves out the last column and row), with the
// bottom corners squared again.
TEST(Region, WindowShapeWithRoundedTopCorners)
{
    constexpr int kWidth = 280;
    constexpr int kHeight = 310;
    constexpr int kRadius = 13;
    const Region round = Region::CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, kRadius, kRadius);
    const Region window = round.United(Region(TRect{0, kHeight - kRadius, kRadius, kHeight}))
                              .United(Region(TRect{kWidth - kRadius, kHeight - kRadius, kWidth, kHeight}));
    EXPECT_EQ(window.Bounds(), (TRect{0, 0, kWidth, kHeight}));

    EXPECT_EQ(Picture(window, {0, 0, 6, 6}), R"(
....##
..####
.#####
.#####
######
######
)");
    // The top right corner mirrors the top left one.
    EXPECT_EQ(Picture(window, {kWidth - 6, 0, kWidth, 6}), R"(
##....
####..
#####.
#####.
######
######
)");
    EXPECT_EQ(window.Band(0)[0], (TRect{4, 0, kWidth - 4, 1}));
    EXPECT_EQ(window.Band(kRadius)[0].Width(), kWidth);
    EXPECT_LT(window.Band(0)[0].Width(), window.Band(kRadius)[0].Width());

    // Without the squares the bottom corners are cut like the top ones.
    EXPECT_FALSE(round.Contains({0, kHeight - 1}));
    EXPECT_FALSE(round.Contains({kWidth - 4 , kHeight - 1}));
    EXPECT_TRUE(round.Contains({kWidth - 5, kHeight - 1}));
    for (TPoint corner : {TPoint{0, kHeight - 1}, TPoint{kWidth - 1, kHeight - 1}})
        EXPECT_TRUE(window.Contains(corner));
    EXPECT_FALSE(window.Contains({kWidth, 20}));
    EXPECT_FALSE(window.Contains({20, kHeight}));
}

TEST(Region, ExtremeCoordinatesAreClampedNotOverflowed)
{
    const Region r = Region::CreateRoundRectRgn(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, 40);
    EXPECT_EQ(r.Bounds(), (TRect{-kCoordLimit, -kCoordLimit, kCoordLimit - 1, kCoordLimit - 1}));
    EXPECT_TRUE(r.Contains({0, 0}));
    EXPECT_FALSE(r.Contains({-kCoordLimit, -kCoordLimit}));
    EXPECT_EQ(Region::CreateRectRgn(INT_MIN, 0, INT_MAX, 1).Bounds(), (TRect{-kCoordLimit, 0, kCoordLimit, 1}));
}

// Random rectangles combined every way, checked pixel by pixel against a
// plain grid; the same pixels gathered one by one must give the same list.
TEST(Region, SetOperationsAgreeWithAPixelGrid)
{
    constexpr int kSize = 24;
    using Grid = std::array<std::array<bool, kSize>, kSize>;
    unsigned seed = 12345;
    const auto next = [&seed](int limit) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(limit));
    };
    const auto randomRect = [&] { return TRect{next(kSize), next(kSize), next(kSize), next(kSize)}.Normalized(); };

    for (int round = 0; round < 200; ++round) {
        Region a;
        Grid inA{};
        for (int k = 0; k < 3; ++k) {
            const TRect r = randomRect();
            a = a.United(Region(r));
            for (int y = r.Top; y < r.Bottom; ++y)
                for (int x = r.Left; x < r.Right; ++x) inA[y][x] = true;
        }
        const TRect rb = randomRect();
        const Region b(rb);
        const int mode = RGN_AND + round % 4;
        const Region result = Region::Combine(a, b, mode);
        Region rebuilt;  // the same pixels gathered bottom row first
        for (int y = kSize - 1; y >= 0; --y)
            for (int x = 0; x < kSize; ++x) {
                const bool inB = rb.Contains(TPoint{x, y});
                const bool expected = mode == RGN_AND  ? inA[y][x] && inB
                                      : mode == RGN_OR ? inA[y][x] || inB
                                      : mode == RGN_XOR ? inA[y][x] != inB
                                                        : inA[y][x] && !inB;
                ASSERT_EQ(result.Contains({x, y}), expected) << "round " << round << " at " << x << "," << y;
                if (expected) rebuilt = rebuilt.United(Region(TRect{x, y, x + 1, y + 1}));
            }
        ASSERT_EQ(rebuilt, result) << "round " << round;
        for (std::size_t i = 1; i < result.Rects().size(); ++i) {
            const TRect& prev = result.Rects()[i - 1];
            const TRect& cur = result.Rects()[i];
            ASSERT_TRUE(cur.Top > prev.Top || (cur.Top == prev.Top && cur.Left > prev.Right)) << "round " << round;
        }
    }
}
