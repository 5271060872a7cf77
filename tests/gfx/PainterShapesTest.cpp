#include "platform/gfx/Painter.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

TEST(PainterShapes, FillRectPutsUnorderedRectanglesInOrder)
{
    PixelBuffer b = WhiteBuffer(12, 12);
    Painter p(b);
    p.SetPenMode(pmXor);  // FillRect ignores the mix mode
    p.FillRect({10, 10, 0, 0}, {.Color = clBlack});
    EXPECT_EQ(CountPixels(b, clBlack), 100);
    EXPECT_EQ(Picture(b, {8, 8, 12, 12}), R"(
##..
##..
....
....
)");
}

TEST(PainterShapes, FrameRectDrawsOnePixelInsideWithTheBrush)
{
    PixelBuffer b = WhiteBuffer(6, 5);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    p.FrameRect({5, 4, 1, 1});
    EXPECT_EQ(Picture(b), R"(
......
.rrrr.
.r..r.
.rrrr.
......
)");
}

TEST(PainterShapes, RectangleKeepsPenAndBrushInsideRightAndBottom)
{
    PixelBuffer b = WhiteBuffer(7, 6);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    p.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Picture(b), R"(
.......
.#####.
.#rrr#.
.#rrr#.
.#####.
.......
)");
}

TEST(PainterShapes, RectangleWithClearPenFillsOnePixelLess)
{
    PixelBuffer b = WhiteBuffer(7, 6);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    p.SetPen({.Style = psClear});
    p.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(Picture(b), R"(
.......
.rrrr..
.rrrr..
.rrrr..
.......
.......
)");
}

TEST(PainterShapes, WidePensAreCentredUnlessInsideFrame)
{
    PixelBuffer b = WhiteBuffer(9, 9);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    p.SetPen({.Width = 3});
    p.Rectangle(2, 2, 7, 7);
    EXPECT_EQ(Picture(b), R"(
.........
.#######.
.#######.
.#######.
.###r###.
.#######.
.#######.
.#######.
.........
)");
    PixelBuffer inside = WhiteBuffer(7, 7);
    Painter q(inside);
    q.SetBrush({.Color = clRed});
    q.SetPen({.Width = 2, .Style = psInsideFrame});
    q.Rectangle(0, 0, 6, 6);
    EXPECT_EQ(Picture(inside), R"(
######.
######.
##rr##.
##rr##.
######.
######.
.......
)");
}

TEST(PainterShapes, DashedRectangleOutlineRunsRoundTheFrame)
{
    PixelBuffer b = WhiteBuffer(8, 4);
    Painter p(b);
    p.SetBkMode(TRANSPARENT);
    p.SetBrush({.Style = bsClear});
    p.SetPen({.Style = psDot});
    p.Rectangle(0, 0, 8, 4);
    // Three on, three off, starting at the top left corner and going right.
    EXPECT_EQ(Picture(b), R"(
###...##
#......#
#.......
...###..
)");
}

TEST(PainterShapes, TriangleFilledAndOutlinedInOneColour)
{
    PixelBuffer b = WhiteBuffer(12, 6);
    Painter p(b);
    p.SetBrush({.Color = clBlack});
    const TPoint triangle[] = {{2, 1}, {8, 1}, {5, 4}};
    p.Polygon(triangle);
    EXPECT_EQ(Picture(b), R"(
............
..#######...
...#####....
....###.....
.....#......
............
)");
}

TEST(PainterShapes, PolygonFillLeavesOutRightAndBottomEdges)
{
    PixelBuffer b = WhiteBuffer(6, 6);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    p.SetPen({.Style = psClear});
    const TPoint square[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}};
    p.Polygon(square);
    EXPECT_EQ(Picture(b), R"(
......
.rrr..
.rrr..
.rrr..
......
......
)");
}

TEST(PainterShapes, PolyFillModeDecidesTheCentreOfAStar)
{
    const TPoint star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    for (const int mode : {ALTERNATE, WINDING}) {
        PixelBuffer b = WhiteBuffer(21, 21);
        Painter p(b);
        p.SetPen({.Style = psClear});
        p.SetBrush({.Color = clBlack});
        p.SetPolyFillMode(mode);
        p.Polygon(star);
        EXPECT_EQ(ColorFromPixel(b.At(10, 11)), mode == WINDING ? clBlack : clWhite);
        EXPECT_EQ(ColorFromPixel(b.At(10, 3)), clBlack);
    }
}

TEST(PainterShapes, EllipseOutlineAndBrushInsideIt)
{
    PixelBuffer b = WhiteBuffer(6, 6);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    p.Ellipse(0, 0, 5, 5);
    EXPECT_EQ(Picture(b), R"(
.###..
#rrr#.
#rrr#.
#rrr#.
.###..
......
)");
}

// RoundRect and Ellipse cover the pixels of the rounded region one pixel
// larger; with a clear pen, those of the region of the same box.
TEST(PainterShapes, RoundedShapesMatchTheirRegions)
{
    struct Case {
        TRect Box;
        int EllipseWidth;
        int EllipseHeight;
    };
    for (const Case c : {Case{{2, 3, 30, 22}, 9, 7}, Case{{1, 1, 24, 17}, 40, 40}, Case{{0, 0, 19, 12}, 13, 13}}) {
        const TRect& r = c.Box;
        const Region outlined = Region::CreateRoundRectRgn(r.Left, r.Top, r.Right + 1, r.Bottom + 1, c.EllipseWidth,
                                                           c.EllipseHeight);
        const Region bare =
            Region::CreateRoundRectRgn(r.Left, r.Top, r.Right, r.Bottom, c.EllipseWidth, c.EllipseHeight);
        PixelBuffer withPen = WhiteBuffer(32, 24);
        PixelBuffer clearPen = WhiteBuffer(32, 24);
        Painter p(withPen);
        p.SetBrush({.Color = clRed});
        p.RoundRect(r.Left, r.Top, r.Right, r.Bottom, c.EllipseWidth, c.EllipseHeight);
        Painter q(clearPen);
        q.SetPen({.Style = psClear});
        q.SetBrush({.Color = clRed});
        q.RoundRect(r.Left, r.Top, r.Right, r.Bottom, c.EllipseWidth, c.EllipseHeight);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x) {
                const TColor drawn = ColorFromPixel(withPen.At(x, y));
                ASSERT_EQ(drawn != clWhite, outlined.Contains({x, y})) << x << "," << y;
                // The outline is thin: only pen pixels touch the outside.
                const bool touchesOutside = !outlined.Contains({x - 1, y}) || !outlined.Contains({x + 1, y}) ||
                                            !outlined.Contains({x, y - 1}) || !outlined.Contains({x, y + 1});
                if (drawn != clWhite) {
                    ASSERT_EQ(drawn == clBlack, touchesOutside) << x << "," << y;
                }
                ASSERT_EQ(ColorFromPixel(clearPen.At(x, y)) == clRed, bare.Contains({x, y})) << x << "," << y;
            }
    }
}

TEST(PainterShapes, InvertRectTwiceRestoresThePixels)
{
    PixelBuffer b = WhiteBuffer(4, 4);
    b.At(1, 1) = PixelFromColor(clRed);
    const PixelBuffer before = b;
    Painter p(b);
    p.InvertRect({0, 0, 3, 3});
    EXPECT_EQ(ColorFromPixel(b.At(0, 0)), clBlack);
    EXPECT_EQ(ColorFromPixel(b.At(1, 1)), clAqua);
    EXPECT_EQ(ColorFromPixel(b.At(3, 3)), clWhite);
    p.InvertRect({3, 3, 0, 0});
    EXPECT_EQ(b, before);
}

TEST(PainterShapes, FocusRectInvertsEveryOtherFramePixelAndUndoesItself)
{
    PixelBuffer b = WhiteBuffer(8, 6);
    const PixelBuffer before = b;
    Painter p(b);
    p.DrawFocusRect({1, 1, 7, 5});
    EXPECT_EQ(Picture(b), R"(
........
.#.#.#..
......#.
.#......
..#.#.#.
........
)");
    p.DrawFocusRect({1, 1, 7, 5});
    EXPECT_EQ(b, before);
}

TEST(PainterShapes, HatchesFollowTheBrushOriginAndBackgroundMode)
{
    PixelBuffer b = WhiteBuffer(10, 10);
    Painter p(b);
    p.SetBkColor(clRed);
    p.SetBrushOrg({3, 0});
    p.FillRect({0, 0, 10, 5}, {.Color = clBlack, .Style = bsCross});
    p.SetBkMode(TRANSPARENT);
    p.FillRect({0, 5, 10, 10}, {.Color = clBlue, .Style = bsFDiagonal});
    EXPECT_EQ(Picture(b), R"(
##########
rrr#rrrrrr
rrr#rrrrrr
rrr#rrrrrr
rrr#rrrrrr
b.......b.
.b.......b
..b.......
...b......
....b.....
)");
}

TEST(PainterShapes, PatternBrushTilesFromTheBrushOrigin)
{
    auto pattern = std::make_shared<PixelBuffer>(2, 2, PixelFromColor(clRed));
    pattern->At(0, 0) = PixelFromColor(clBlue);
    PixelBuffer b = WhiteBuffer(5, 3);
    Painter p(b);
    p.SetBrushOrg({1, 0});
    p.FillRect({0, 0, 5, 3}, {.Pattern = pattern});
    EXPECT_EQ(Picture(b), R"(
rbrbr
rrrrr
rbrbr
)");
}
