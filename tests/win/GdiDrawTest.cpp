// Pixels, lines, shapes and rectangle fills through device contexts.
#include "GdiTestSupport.h"

#include <array>

namespace {

TEST(GdiDraw, SetPixelAndGetPixelRespectTheClip)
{
    MemoryDC m(3, 1);
    const HDC dc = m.Handle();
    EXPECT_EQ(SetPixel(dc, 0, 0, COLORREF(clRed)), COLORREF(clRed));
    EXPECT_EQ(SetPixel(dc, 1, 0, COLORREF(clBtnShadow)), COLORREF(RGB(128, 128, 128)));
    EXPECT_EQ(GetPixel(dc, 0, 0), COLORREF(clRed));
    ExcludeClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), COLORREF(CLR_INVALID));
    EXPECT_EQ(SetPixel(dc, 0, 0, COLORREF(clBlue)), COLORREF(CLR_INVALID));
    EXPECT_EQ(GetPixel(dc, 3, 0), COLORREF(CLR_INVALID));
    EXPECT_EQ(GetPixel(nullptr, 0, 0), COLORREF(CLR_INVALID));
    EXPECT_EQ(m.At(0, 0), clRed);
}

TEST(GdiDraw, LinesLeaveOutTheirEndPointAndMoveTheCurrentPosition)
{
    MemoryDC m(5, 3);
    const HDC dc = m.Handle();
    POINT previous{9, 9};
    MoveToEx(dc, 0, 0, nullptr);
    EXPECT_TRUE(LineTo(dc, 4, 0));
    MoveToEx(dc, 0, 2, &previous);
    EXPECT_EQ(previous, (POINT{4, 0}));
    const std::array<POINT, 2> path = {POINT{2, 2}, POINT{2, 0}};
    EXPECT_TRUE(PolylineTo(dc, path));
    POINT now;
    GetCurrentPositionEx(dc, now);
    EXPECT_EQ(now, (POINT{2, 0}));
    EXPECT_EQ(m.Picture(), "\n####.\n..#..\n###..\n");
    const std::array<POINT, 2> apart = {POINT{4, 1}, POINT{4, 3}};
    EXPECT_TRUE(Polyline(dc, apart));
    GetCurrentPositionEx(dc, now);
    EXPECT_EQ(now, (POINT{2, 0}));
    EXPECT_EQ(m.At(4, 1), clBlack);
}

TEST(GdiDraw, ShapesUseTheSelectedPenAndBrushAndTheContextColours)
{
    MemoryDC m(6, 4);
    const HDC dc = m.Handle();
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, COLORREF(clBlue));
    SetDCBrushColor(dc, COLORREF(clLime));
    EXPECT_TRUE(Rectangle(dc, 0, 0, 5, 4));
    EXPECT_EQ(m.Picture(), "\nbbbbb.\nbgggb.\nbgggb.\nbbbbb.\n");
    // The insides of shapes follow the mix mode; FillRect does not.
    SetROP2(dc, R2_XORPEN);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SetDCBrushColor(dc, COLORREF(clWhite));
    Rectangle(dc, 1, 1, 4, 3);  // a null pen fills one pixel less to the right and bottom
    EXPECT_EQ(m.Picture(), "\nbbbbb.\nb??gb.\nbgggb.\nbbbbb.\n");
    FillRect(dc, {5, 0, 6, 4}, GetStockObject(DC_BRUSH));
    EXPECT_EQ(m.At(5, 0), clWhite);
    const std::array<POINT, 1> single = {POINT{0, 0}};
    EXPECT_FALSE(Polygon(dc, single));
}

TEST(GdiDraw, FillRectTakesSystemColourIndexValues)
{
    MemoryDC m(2, 1);
    EXPECT_TRUE(FillRect(m.Handle(), {0, 0, 1, 1}, ColorIndexBrush(COLOR_BTNFACE)));
    EXPECT_EQ(m.At(0, 0), RGB(212, 208, 200));
    EXPECT_FALSE(FillRect(m.Handle(), {0, 0, 1, 1}, ColorIndexBrush(COLOR_COUNT + 5)));
    EXPECT_FALSE(FillRect(m.Handle(), {0, 0, 1, 1}, nullptr));
}

// A 2 x 2 checker of red and blue tiled from the brush origin.
TEST(GdiDraw, FrameRectWithAPatternBrushFollowsTheBrushOrigin)
{
    PixelBuffer tile(2, 2, PixelFromRGB(clRed));
    tile.At(1, 0) = tile.At(0, 1) = PixelFromRGB(clBlue);
    const ScopedObject bitmap(CreateBitmapFromPixels(tile));
    const ScopedObject pattern(CreatePatternBrush(bitmap));
    // The brush holds a copy: later changes to the bitmap do not show.
    BitmapPixels(bitmap)->Fill(tile.Bounds(), PixelFromRGB(clLime));

    MemoryDC m(5, 4);
    EXPECT_TRUE(FrameRect(m.Handle(), {0, 0, 5, 4}, pattern));
    EXPECT_EQ(m.Picture(), "\nrbrbr\nb...b\nr...r\nbrbrb\n");
    SetBrushOrgEx(m.Handle(), 1, 0, nullptr);
    SetViewportOrgEx(m.Handle(), 3, 0, nullptr);  // the brush origin stays in device pixels
    FillRect(m.Handle(), {-2, 1, -1, 3}, pattern);
    EXPECT_EQ(m.Picture(), "\nrbrbr\nbb..b\nrr..r\nbrbrb\n");
}

TEST(GdiDraw, HatchGapsTakeTheBackgroundUnlessTransparent)
{
    MemoryDC m(4, 2);
    const HDC dc = m.Handle();
    const ScopedObject hatch(CreateHatchBrush(HS_HORIZONTAL, COLORREF(clBlue)));
    SetBkColor(dc, COLORREF(clRed));
    FillRect(dc, {0, 0, 2, 2}, hatch);
    SetBkMode(dc, TRANSPARENT);
    FillRect(dc, {2, 0, 4, 2}, hatch);
    EXPECT_EQ(m.Picture(), "\nbbbb\nrr..\n");
}

TEST(GdiDraw, InversionsDrawnTwiceRestoreThePixels)
{
    MemoryDC m(5, 4);
    const HDC dc = m.Handle();
    EXPECT_TRUE(DrawFocusRect(dc, {0, 0, 5, 4}));
    EXPECT_EQ(m.Picture(), "\n#.#.#\n.....\n#...#\n.#.#.\n");
    DrawFocusRect(dc, {0, 0, 5, 4});
    EXPECT_TRUE(InvertRect(dc, {1, 1, 2, 2}));
    EXPECT_EQ(CountPixels(m.Pixels(), clBlack), 1);
    InvertRect(dc, {1, 1, 2, 2});
    EXPECT_EQ(CountPixels(m.Pixels(), clWhite), 20);
}

// The context hands shapes to the painter with its tools and origin.
TEST(GdiDraw, ShapesMatchThePainterAtTheViewportOrigin)
{
    PixelBuffer expected = WhiteBuffer(12, 9);
    Painter painter(expected);
    painter.SetViewportOrg({2, 1});
    painter.SetPen({.Color = clBlue, .Width = 2});
    painter.SetBrush({.Color = clRed, .Style = bsDiagCross});
    painter.Ellipse(0, 0, 7, 5);
    painter.RoundRect(3, 2, 10, 8, 4, 4);
    const TPoint triangle[] = {{0, 7}, {4, 3}, {8, 7}};
    painter.Polygon(triangle);

    MemoryDC m(12, 9);
    const HDC dc = m.Handle();
    SetViewportOrgEx(dc, 2, 1, nullptr);
    const ScopedObject pen(CreatePen(PS_SOLID, 2, COLORREF(clBlue)));
    const ScopedObject brush(CreateHatchBrush(HS_DIAGCROSS, COLORREF(clRed)));
    SelectObject(dc, pen);
    SelectObject(dc, brush);
    EXPECT_TRUE(Ellipse(dc, 0, 0, 7, 5));
    EXPECT_TRUE(RoundRect(dc, 3, 2, 10, 8, 4, 4));
    EXPECT_TRUE(Polygon(dc, triangle));
    EXPECT_EQ(m.Picture(), Picture(expected));
    EXPECT_TRUE(m.Pixels() == expected);
}

}  // namespace
