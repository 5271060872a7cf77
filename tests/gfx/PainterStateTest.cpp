#include "platform/gfx/Painter.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

TEST(PainterState, ViewportOriginMovesLogicalCoordinates)
{
    PixelBuffer b = WhiteBuffer(5, 4);
    Painter p(b);
    EXPECT_EQ(p.SetViewportOrg({2, 1}), (TPoint{0, 0}));
    p.FillRect({0, 0, 2, 2}, {.Color = clBlack});
    p.MoveTo(-2, 2);
    p.LineTo(0, 2);
    EXPECT_EQ(Picture(b), R"(
.....
..##.
..##.
##...
)");
    EXPECT_EQ(p.GetPixel(0, 0), clBlack);
    EXPECT_EQ(p.GetClipBox(), (TRect{-2, -1, 3, 3}));
    p.OffsetViewportOrg(-2, -1);
    EXPECT_EQ(p.State().ViewportOrg, (TPoint{0, 0}));
}

TEST(PainterState, ClipRegionLimitsDrawingAndStaysInsideTheBuffer)
{
    PixelBuffer b = WhiteBuffer(6, 4);
    Painter p(b);
    const Region clip = Region(TRect{1, 1, 3, 3}).United(Region(TRect{4, -5, 9, 2}));
    EXPECT_EQ(p.SelectClipRgn(&clip), COMPLEXREGION);
    p.FillRect({0, 0, 6, 4}, {.Color = clBlack});
    EXPECT_EQ(Picture(b), R"(
....##
.##.##
.##...
......
)");
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{{4, 0, 6, 1}, {1, 1, 3, 2}, {4, 1, 6, 2}, {1, 2, 3, 3}}));
    EXPECT_EQ(p.GetPixel(0, 0), CLR_INVALID);
    EXPECT_EQ(p.GetPixel(1, 1), clBlack);
    EXPECT_EQ(p.SetPixel(0, 0, clRed), CLR_INVALID);
    EXPECT_FALSE(p.PtVisible(3, 1));
    EXPECT_EQ(p.SelectClipRgn(nullptr), SIMPLEREGION);
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{b.Bounds()}));
}

TEST(PainterState, ClipRectanglesAreLogical)
{
    PixelBuffer b = WhiteBuffer(6, 4);
    Painter p(b);
    p.SetViewportOrg({1, 0});
    p.IntersectClipRect({0, 0, 4, 3});
    p.ExcludeClipRect({2, 2, 1, 1});
    p.FillRect({-1, 0, 5, 4}, {.Color = clBlack});
    EXPECT_EQ(Picture(b), R"(
.####.
.#.##.
.####.
......
)");
    EXPECT_EQ(p.GetClipBox(), (TRect{0, 0, 4, 3}));
}

TEST(PainterState, ExcludeWithoutAClipStartsFromTheWholeBuffer)
{
    PixelBuffer b = WhiteBuffer(3, 1);
    Painter p(b);
    p.ExcludeClipRect({1, 0, 2, 1});
    p.FillRect({0, 0, 3, 1}, {.Color = clBlack});
    EXPECT_EQ(Picture(b), "\n#.#\n");
}

TEST(PainterState, RestoreDCReturnsToEachSavedState)
{
    PixelBuffer b = WhiteBuffer(4, 4);
    Painter p(b);
    const PainterState initial = p.State();
    EXPECT_EQ(p.SaveDC(), 1);
    p.SetPen({.Color = clRed, .Width = 2});
    p.SetViewportOrg({1, 1});
    p.IntersectClipRect({0, 0, 2, 2});
    const PainterState first = p.State();
    EXPECT_EQ(p.SaveDC(), 2);
    p.SetBrush({.Style = bsClear});
    p.SetBkMode(TRANSPARENT);
    p.SelectClipRgn(nullptr);
    p.MoveTo(3, 3);
    EXPECT_EQ(p.SaveDC(), 3);

    EXPECT_TRUE(p.RestoreDC(-2));
    EXPECT_EQ(p.State(), first);
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{{1, 1, 3, 3}}));
    EXPECT_FALSE(p.RestoreDC(2));
    EXPECT_FALSE(p.RestoreDC(0));
    EXPECT_TRUE(p.RestoreDC(1));
    EXPECT_EQ(p.State(), initial);
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{b.Bounds()}));
    EXPECT_FALSE(p.RestoreDC(-1));
}

TEST(PainterState, BaseClipOutlastsTheCallersClip)
{
    PixelBuffer b = WhiteBuffer(6, 6);
    Painter p(b);
    p.SetBaseClip(Region(TRect{0, 0, 3, 3}));
    p.SaveDC();
    const Region corner(TRect{2, 2, 5, 5});
    p.SelectClipRgn(&corner);
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{{2, 2, 3, 3}}));
    p.RestoreDC(-1);
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{{0, 0, 3, 3}}));
    p.SetBaseClip(std::nullopt);
    EXPECT_EQ(p.ClipRects(), (std::vector<TRect>{b.Bounds()}));
}

TEST(PainterState, SetPixelIgnoresTheMixModeAndResolvesSystemColours)
{
    PixelBuffer b = WhiteBuffer(2, 1);
    Painter p(b);
    p.SetPenMode(pmXor);
    EXPECT_EQ(p.SetPixel(0, 0, clRed), clRed);
    EXPECT_EQ(p.SetPixel(1, 0, clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(p.GetPixel(0, 0), clRed);
    EXPECT_EQ(p.GetPixel(1, 0), RGB(128, 128, 128));
    EXPECT_EQ(p.GetPixel(2, 0), CLR_INVALID);
}
