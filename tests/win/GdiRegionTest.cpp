// Region handles: combining, testing, and painting regions into contexts.
#include "GdiTestSupport.h"

namespace {

struct CombineCase {
    int Mode;
    TRect Second;
    int Kind;
    std::string Pixels;  // of the 6 x 1 row y = 1
};

class GdiCombineRgnTest : public ::testing::TestWithParam<CombineCase> {};

// The first region is (0, 0, 3, 3).
TEST_P(GdiCombineRgnTest, GivesTheClassicKindAndPixels)
{
    const CombineCase& c = GetParam();
    const ScopedObject dst(CreateRectRgn(0, 0, 0, 0));
    const ScopedObject a(CreateRectRgn(0, 0, 3, 3));
    const ScopedObject b(CreateRectRgnIndirect(c.Second));
    EXPECT_EQ(CombineRgn(dst, a, b, c.Mode), c.Kind);
    std::string row;
    for (int x = 0; x < 6; ++x) row += PtInRegion(dst, x, 1) ? '#' : '.';
    EXPECT_EQ(row, c.Pixels);
}

INSTANTIATE_TEST_SUITE_P(All, GdiCombineRgnTest,
                         ::testing::Values(CombineCase{RGN_AND, {2, 0, 5, 3}, SIMPLEREGION, "..#..."},
                                           CombineCase{RGN_AND, {4, 0, 5, 3}, NULLREGION, "......"},
                                           CombineCase{RGN_OR, {2, 0, 5, 3}, SIMPLEREGION, "#####."},
                                           CombineCase{RGN_OR, {4, 1, 5, 2}, COMPLEXREGION, "###.#."},
                                           CombineCase{RGN_XOR, {2, 0, 5, 3}, COMPLEXREGION, "##.##."},
                                           CombineCase{RGN_DIFF, {2, 0, 5, 3}, SIMPLEREGION, "##...."},
                                           CombineCase{RGN_DIFF, {1, 1, 2, 2}, COMPLEXREGION, "#.#..."},
                                           CombineCase{RGN_DIFF, {0, 0, 5, 5}, NULLREGION, "......"},
                                           CombineCase{RGN_COPY, {4, 4, 5, 5}, SIMPLEREGION, "###..."}));

TEST(GdiRegion, CombineRgnMayWriteIntoAnOperandAndRefusesBadInput)
{
    const ScopedObject a(CreateRectRgn(0, 0, 2, 1));
    const ScopedObject b(CreateRectRgn(4, 0, 6, 1));
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(*RegionOf(a), Region(TRect{0, 0, 2, 1}).United(Region(TRect{4, 0, 6, 1})));
    EXPECT_EQ(CombineRgn(a, a, b, 6), RGN_ERROR);
    EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_AND), RGN_ERROR);
    EXPECT_EQ(CombineRgn(a, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(nullptr, a, b, RGN_OR), RGN_ERROR);
    EXPECT_EQ(CombineRgn(a, GetStockObject(WHITE_BRUSH), b, RGN_OR), RGN_ERROR);
    EXPECT_EQ(*RegionOf(a), Region(TRect{4, 0, 6, 1}));
}

TEST(GdiRegion, QueriesAndOffsets)
{
    const ScopedObject r(CreateRectRgn(5, 6, 1, 2));  // put in order
    RECT box;
    EXPECT_EQ(GetRgnBox(r, box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{1, 2, 5, 6}));
    EXPECT_TRUE(PtInRegion(r, 4, 5));
    EXPECT_FALSE(PtInRegion(r, 5, 5));
    EXPECT_TRUE(RectInRegion(r, {4, 5, 9, 9}));
    EXPECT_FALSE(RectInRegion(r, {5, 5, 9, 9}));
    EXPECT_EQ(OffsetRgn(r, -1, -2), SIMPLEREGION);
    EXPECT_EQ(GetRgnBox(r, box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4}));
    const ScopedObject same(CreateRectRgn(0, 0, 4, 4));
    EXPECT_TRUE(EqualRgn(r, same));
    EXPECT_TRUE(SetRectRgn(same, 0, 0, 0, 0));
    EXPECT_EQ(GetRgnBox(same, box), NULLREGION);
    EXPECT_FALSE(EqualRgn(r, same));
    EXPECT_EQ(GetRgnBox(nullptr, box), RGN_ERROR);
    EXPECT_EQ(OffsetRgn(nullptr, 1, 1), RGN_ERROR);
    EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
}

// The title bar's window shape: a rounded rectangle whose bottom corners are
// squared off again.
TEST(GdiRegion, RoundedTopCornersShape)
{
    constexpr int kWidth = 16, kHeight = 12, kRadius = 4;
    const ScopedObject shape(CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, kRadius, kRadius));
    const ScopedObject left(CreateRectRgn(0, kHeight - 2 * kRadius, 2 * kRadius, kHeight));
    const ScopedObject right(CreateRectRgn(kWidth - 2 * kRadius, kHeight - 2 * kRadius, kWidth, kHeight));
    EXPECT_FALSE(PtInRegion(shape, 0, kHeight - 1));
    CombineRgn(shape, shape, left, RGN_OR);
    EXPECT_EQ(CombineRgn(shape, shape, right, RGN_OR), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(shape, 0, 0));
    EXPECT_FALSE(PtInRegion(shape, kWidth - 1, 0));
    EXPECT_TRUE(PtInRegion(shape, 0, kHeight - 1));
    EXPECT_TRUE(PtInRegion(shape, kWidth - 1, kHeight - 1));
    RECT box;
    GetRgnBox(shape, box);
    EXPECT_EQ(box, (RECT{0, 0, kWidth, kHeight}));
    const ScopedObject ellipse(CreateEllipticRgn(0, 0, 9, 7));
    EXPECT_EQ(*RegionOf(ellipse), Region::CreateEllipticRgn(0, 0, 9, 7));
}

TEST(GdiRegion, PaintingRegionsFollowsTheViewportOrigin)
{
    MemoryDC m(6, 4);
    const HDC dc = m.Handle();
    SetViewportOrgEx(dc, 1, 0, nullptr);
    const ScopedObject ring(CreateRectRgn(0, 0, 4, 4));
    const ScopedObject black(SolidBrush(clBlack));
    EXPECT_TRUE(FrameRgn(dc, ring, black, 1, 1));
    EXPECT_EQ(m.Picture(), "\n.####.\n.#..#.\n.#..#.\n.####.\n");
    const ScopedObject dot(CreateRectRgn(1, 1, 2, 2));
    const ScopedObject red(SolidBrush(clRed));
    EXPECT_TRUE(FillRgn(dc, dot, red));
    SelectObject(dc, red);
    const ScopedObject other(CreateRectRgn(2, 2, 3, 3));
    EXPECT_TRUE(PaintRgn(dc, other));
    EXPECT_TRUE(InvertRgn(dc, ring));
    // Inverting the whole square turns the frame white, the inside black and red cyan.
    EXPECT_EQ(m.Picture(), "\n......\n..?#..\n..#?..\n......\n");
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(FillRgn(dc, nullptr, red));
    EXPECT_FALSE(FrameRgn(dc, ring, red, -1, 1));
}

TEST(GdiRegion, HandlesForTheWindowSystem)
{
    const HRGN handle = CreateRegionHandle(Region(TRect{0, 0, 2, 2}));
    ASSERT_NE(RegionOf(handle), nullptr);
    EXPECT_EQ(AssignRegion(handle, Region(TRect{0, 0, 1, 1}).United(Region(TRect{2, 0, 3, 1}))), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(handle, 2, 0));
    DeleteObject(handle);
    EXPECT_EQ(RegionOf(handle), nullptr);
    EXPECT_EQ(AssignRegion(handle, Region()), RGN_ERROR);
    EXPECT_EQ(RegionOf(GetStockObject(BLACK_PEN)), nullptr);
}

}  // namespace
