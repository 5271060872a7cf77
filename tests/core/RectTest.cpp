#include "platform/core/Rect.h"

#include <gtest/gtest.h>

TEST(Rect, RightAndBottomAreExclusive)
{
    const TRect r{0, 0, 2, 3};
    EXPECT_EQ(r.Width(), 2);
    EXPECT_EQ(r.Height(), 3);
    EXPECT_TRUE(PtInRect(r, {1, 2}));
    EXPECT_FALSE(PtInRect(r, {2, 0}));
    EXPECT_FALSE(PtInRect(r, {0, 3}));
    EXPECT_TRUE(r.Contains(TRect{0, 0, 2, 3}));
}

TEST(Rect, UnorderedAndDegenerateRectanglesAreEmpty)
{
    EXPECT_TRUE(IsRectEmpty({5, 5, 5, 9}));
    EXPECT_TRUE(IsRectEmpty({5, 5, 2, 9}));
    EXPECT_FALSE(PtInRect({5, 5, 2, 9}, {3, 6}));
    EXPECT_EQ((TRect{5, 9, 2, 1}.Normalized()), (TRect{2, 1, 5, 9}));
}

TEST(Rect, IntersectionReportsEmptinessAndZeroesEmptyResults)
{
    TRect out;
    EXPECT_TRUE(IntersectRect(out, {0, 0, 10, 10}, {5, 5, 20, 20}));
    EXPECT_EQ(out, (TRect{5, 5, 10, 10}));
    // Touching edges share no pixel.
    EXPECT_FALSE(IntersectRect(out, {0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_EQ(out, TRect{});
}

TEST(Rect, UnionIgnoresEmptyOperands)
{
    TRect out;
    EXPECT_TRUE(UnionRect(out, {0, 0, 0, 0}, {3, 3, 4, 4}));
    EXPECT_EQ(out, (TRect{3, 3, 4, 4}));
    EXPECT_TRUE(UnionRect(out, {0, 0, 1, 1}, {3, 3, 4, 4}));
    EXPECT_EQ(out, (TRect{0, 0, 4, 4}));
    EXPECT_FALSE(UnionRect(out, {2, 2, 2, 2}, {7, 1, 3, 3}));
}

TEST(Rect, OffsetAndInflateMoveEveryEdge)
{
    TRect r = Bounds(10, 20, 30, 40);
    EXPECT_EQ(r, (TRect{10, 20, 40, 60}));
    OffsetRect(r, -10, 5);
    EXPECT_EQ(r, (TRect{0, 25, 30, 65}));
    InflateRect(r, -1, 2);
    EXPECT_EQ(r, (TRect{1, 23, 29, 67}));
    static_assert(Rect(1, 2, 3, 4).Inflated(1, 1) == TRect{0, 1, 4, 5});
}
