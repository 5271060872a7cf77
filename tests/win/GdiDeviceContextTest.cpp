// Device contexts: viewport origins, clipping in device coordinates and
// saved states, including a parent painting into a child's bitmap.
#include "GdiTestSupport.h"

namespace {

const HBRUSH kBlack = ColorIndexBrush(COLOR_WINDOWTEXT);  // 0, 0, 0
const HBRUSH kWhite = ColorIndexBrush(COLOR_WINDOW);      // 255, 255, 255

TEST(GdiDeviceContext, ViewportOriginMovesLogicalCoordinates)
{
    MemoryDC m(5, 3);
    POINT previous{-1, -1};
    EXPECT_TRUE(SetViewportOrgEx(m.Handle(), 2, 1, &previous));
    EXPECT_EQ(previous, (POINT{0, 0}));
    EXPECT_TRUE(OffsetViewportOrgEx(m.Handle(), 1, 0, &previous));
    EXPECT_EQ(previous, (POINT{2, 1}));
    FillRect(m.Handle(), {0, 0, 1, 1}, kBlack);
    FillRect(m.Handle(), {-3, -1, -2, 0}, kBlack);
    EXPECT_EQ(m.Picture(), "\n#....\n...#.\n.....\n");
    POINT org;
    ASSERT_TRUE(GetViewportOrgEx(m.Handle(), org));
    EXPECT_EQ(org, (POINT{3, 1}));
}

TEST(GdiDeviceContext, ClipRectanglesAreLogicalButKeptInDeviceCoordinates)
{
    MemoryDC m(6, 3);
    SetViewportOrgEx(m.Handle(), 2, 1, nullptr);
    EXPECT_EQ(IntersectClipRect(m.Handle(), 0, 0, 3, 5), SIMPLEREGION);
    RECT box;
    EXPECT_EQ(GetClipBox(m.Handle(), box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 2}));  // the bitmap ends two rows below the origin
    // The clip stays where it was when the origin moves on.
    SetViewportOrgEx(m.Handle(), 0, 0, nullptr);
    FillRect(m.Handle(), {0, 0, 6, 3}, kBlack);
    EXPECT_EQ(m.Picture(), "\n......\n..###.\n..###.\n");
    EXPECT_TRUE(PtVisible(m.Handle(), 2, 1));
    EXPECT_FALSE(PtVisible(m.Handle(), 1, 1));
    EXPECT_TRUE(RectVisible(m.Handle(), {0, 0, 3, 2}));
    EXPECT_FALSE(RectVisible(m.Handle(), {0, 0, 2, 3}));
}

TEST(GdiDeviceContext, ExcludeAndRegionClipsCombineWithTheCurrentClip)
{
    MemoryDC m(5, 1);
    const HDC dc = m.Handle();
    EXPECT_EQ(ExcludeClipRect(dc, 1, 0, 3, 1), COMPLEXREGION);
    const ScopedObject middle(CreateRectRgn(2, 0, 3, 1));
    EXPECT_EQ(ExtSelectClipRgn(dc, middle, RGN_OR), COMPLEXREGION);
    FillRect(dc, {0, 0, 5, 1}, kBlack);
    EXPECT_EQ(m.Picture(), "\n#.###\n");

    const ScopedObject copy(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(dc, copy), 1);
    EXPECT_EQ(*RegionOf(copy), Region(TRect{0, 0, 1, 1}).United(Region(TRect{2, 0, 5, 1})));
    EXPECT_EQ(ExtSelectClipRgn(dc, nullptr, RGN_AND), RGN_ERROR);
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(dc, copy), 0);
    EXPECT_EQ(ExtSelectClipRgn(dc, middle, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(OffsetClipRgn(dc, 1, 0), COMPLEXREGION);  // leaves (1, 0) .. (5, 1) less column 3
    FillRect(dc, {0, 0, 5, 1}, kWhite);
    EXPECT_EQ(m.Picture(), "\n#..#.\n");
    EXPECT_EQ(IntersectClipRect(dc, 4, 0, 4, 1), NULLREGION);
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(GetClipBox(dc, box), NULLREGION);
    EXPECT_EQ(box, RECT{});
}

TEST(GdiDeviceContext, RestoreDCReturnsToAbsoluteAndRelativeLevels)
{
    MemoryDC m(4, 1);
    const HDC dc = m.Handle();
    const ScopedObject red(SolidBrush(clRed));
    EXPECT_EQ(SaveDC(dc), 1);
    SetViewportOrgEx(dc, 1, 0, nullptr);
    SelectObject(dc, red);
    SetTextColor(dc, COLORREF(clBlue));
    EXPECT_EQ(SaveDC(dc), 2);
    IntersectClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(dc), 3);
    SetViewportOrgEx(dc, 3, 0, nullptr);

    EXPECT_FALSE(RestoreDC(dc, 4));
    EXPECT_FALSE(RestoreDC(dc, -4));
    EXPECT_TRUE(RestoreDC(dc, -2));  // back to the state saved second: shifted, red, no clip yet
    PatBlt(dc, 0, 0, 4, 1, PATCOPY);
    EXPECT_EQ(m.Picture(), "\n.rrr\n");
    EXPECT_EQ(GetTextColor(dc), COLORREF(clBlue));
    EXPECT_FALSE(RestoreDC(dc, 2));  // that level is gone now
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetTextColor(dc), COLORREF(clBlack));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(RestoreDC(dc, -1));
}

TEST(GdiDeviceContext, RestoreDCGivesBackTheBitmapSelectedAtSaveTime)
{
    MemoryDC m(2, 1);
    const HDC dc = m.Handle();
    SaveDC(dc);
    const ScopedObject other(CreateCompatibleBitmap(dc, 1, 1));
    SelectObject(dc, other);
    RestoreDC(dc, -1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), m.Bitmap());
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 2);
}

// A parent 8 x 6 paints itself into the 6 x 5 bitmap of its child at (3, 2),
// the way skinned controls fake transparency.
TEST(GdiDeviceContext, ParentPaintingIntoAChildLandsShiftedAndClipped)
{
    MemoryDC child(6, 5);
    const HDC dc = child.Handle();
    constexpr TPoint kChildPos{3, 2};
    constexpr TSize kParent{8, 6};

    ASSERT_EQ(SaveDC(dc), 1);
    POINT org;
    GetViewportOrgEx(dc, org);
    SetViewportOrgEx(dc, org.X - kChildPos.X, org.Y - kChildPos.Y, nullptr);
    IntersectClipRect(dc, 0, 0, kParent.cx, kParent.cy);
    // The parent paints in its own client coordinates.
    const ScopedObject red(SolidBrush(clRed));
    FillRect(dc, {0, 0, 100, 100}, red);
    SetPixel(dc, 4, 3, COLORREF(clBlue));
    RECT box;
    GetClipBox(dc, box);
    EXPECT_EQ(box, (RECT{3, 2, 8, 6}));
    ASSERT_TRUE(RestoreDC(dc, 1));

    EXPECT_EQ(child.Picture(), R"(
rrrrr.
rbrrr.
rrrrr.
rrrrr.
......
)");
    // Origin and clip are the child's own again.
    SetPixel(dc, 5, 4, COLORREF(clBlack));
    EXPECT_EQ(child.At(5, 4), clBlack);
}

TEST(GdiDeviceContext, AttributeSettersReturnThePreviousValueAndRefuseBadOnes)
{
    MemoryDC m(10, 8);
    const HDC dc = m.Handle();
    EXPECT_EQ(SetBkColor(dc, COLORREF(clRed)), COLORREF(clWhite));
    EXPECT_EQ(GetBkColor(dc), COLORREF(clRed));
    EXPECT_EQ(SetBkColor(dc, COLORREF(clBtnFace)), COLORREF(clRed));
    EXPECT_EQ(GetBkColor(dc), COLORREF(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 3), 0);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(SetPolyFillMode(dc, WINDING), ALTERNATE);
    EXPECT_EQ(SetStretchBltMode(dc, HALFTONE), BLACKONWHITE);
    EXPECT_EQ(SetTextAlign(dc, TA_BASELINE | TA_CENTER | TA_UPDATECP), UINT(TA_TOP | TA_LEFT));
    EXPECT_EQ(GetTextAlign(dc), UINT(TA_BASELINE | TA_CENTER | TA_UPDATECP));
    EXPECT_EQ(SetDCBrushColor(dc, COLORREF(clLime)), COLORREF(clWhite));
    EXPECT_EQ(SetDCPenColor(dc, COLORREF(clLime)), COLORREF(clBlack));

    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 10);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 8);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);

    EXPECT_EQ(SetTextColor(nullptr, 0), COLORREF(CLR_INVALID));
    EXPECT_EQ(SetBkMode(nullptr, OPAQUE), 0);
    EXPECT_EQ(SaveDC(nullptr), 0);
    EXPECT_EQ(IntersectClipRect(nullptr, 0, 0, 1, 1), RGN_ERROR);
    EXPECT_FALSE(LineTo(nullptr, 1, 1));
}

TEST(GdiDeviceContext, ABitmapResizedInPlaceIsDrawnWhole)
{
    MemoryDC m(2, 1);
    m.Pixels().Resize(4, 1, PixelFromRGB(clWhite));
    FillRect(m.Handle(), {0, 0, 10, 10}, kBlack);
    EXPECT_EQ(m.Picture(), "\n####\n");
    EXPECT_EQ(GetDeviceCaps(m.Handle(), HORZRES), 4);
}

TEST(GdiDeviceContext, AMemoryContextStartsOnAOnePixelBitmap)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1);
    EXPECT_EQ(SetPixel(dc, 0, 0, COLORREF(clRed)), COLORREF(clRed));
    EXPECT_EQ(SetPixel(dc, 1, 0, COLORREF(clRed)), COLORREF(CLR_INVALID));
    DeleteDC(dc);
}

}  // namespace
