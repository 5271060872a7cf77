#include "platform/gfx/Painter.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

TEST(PainterLines, LineToLeavesOutItsEndPointAndMovesThePen)
{
    PixelBuffer b = WhiteBuffer(8, 3);
    Painter p(b);
    EXPECT_EQ(p.MoveTo(1, 1), (TPoint{0, 0}));
    p.LineTo(5, 1);
    EXPECT_EQ(p.PenPos(), (TPoint{5, 1}));
    EXPECT_EQ(Picture(b), R"(
........
.####...
........
)");
}

TEST(PainterLines, SlopedLinesStepAlongTheLongerAxis)
{
    PixelBuffer b = WhiteBuffer(5, 6);
    Painter p(b);
    p.MoveTo(0, 0);
    p.LineTo(4, 2);  // halves round away from the start
    p.MoveTo(4, 5);
    p.LineTo(2, 2);
    EXPECT_EQ(Picture(b), R"(
#....
.##..
...#.
...#.
...#.
....#
)");
}

TEST(PainterLines, PolylineDrawsEveryJointOnce)
{
    // An XOR pen would cancel any pixel drawn twice.
    PixelBuffer b = WhiteBuffer(6, 6);
    Painter p(b);
    p.SetPen({.Color = clWhite});
    p.SetPenMode(pmXor);
    const TPoint square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}};
    p.Polyline(square);
    EXPECT_EQ(Picture(b), R"(
#####.
#...#.
#...#.
#...#.
#####.
......
)");
    EXPECT_EQ(p.PenPos(), (TPoint{0, 0}));
}

TEST(PainterLines, DashedPensPaintTheirGapsOnlyWithAnOpaqueBackground)
{
    PixelBuffer b = WhiteBuffer(30, 3);
    Painter p(b);
    p.SetBkColor(clRed);
    p.SetPen({.Style = psDot});
    p.MoveTo(0, 0);
    p.LineTo(12, 0);
    p.SetBkMode(TRANSPARENT);
    p.MoveTo(0, 1);
    p.LineTo(12, 1);
    p.SetPen({.Style = psDash});
    p.MoveTo(0, 2);
    p.LineTo(30, 2);
    EXPECT_EQ(Picture(b, {0, 0, 12, 2}), R"(
###rrr###rrr
###...###...
)");
    EXPECT_EQ(Picture(b, {0, 2, 30, 3}), "\n" + std::string(18, '#') + std::string(6, '.') + std::string(6, '#') + "\n");
}

TEST(PainterLines, WidePensFollowTheLineWithASquare)
{
    PixelBuffer b = WhiteBuffer(8, 5);
    Painter p(b);
    p.SetPen({.Width = 3, .Style = psDot});  // wider dashed pens draw solid
    p.MoveTo(2, 2);
    p.LineTo(6, 2);
    EXPECT_EQ(Picture(b), R"(
........
.######.
.######.
.######.
........
)");
}

TEST(PainterLines, WidePolylineMixesEveryPixelOnce)
{
    PixelBuffer b = WhiteBuffer(12, 12);
    Painter p(b);
    p.SetPen({.Color = clWhite, .Width = 3});
    p.SetPenMode(pmXor);
    const TPoint corner[] = {{2, 2}, {8, 2}, {8, 8}};
    p.Polyline(corner);
    // Rows 1-3 run from x = 1 to 9, rows 4-8 from 7 to 9.
    EXPECT_EQ(CountPixels(b, clBlack), 3 * 9 + 5 * 3);
    EXPECT_EQ(CountPixels(b, clWhite), 12 * 12 - 42);
}

TEST(PainterLines, LinesFarOutsideTheBufferAreClipped)
{
    PixelBuffer b = WhiteBuffer(10, 5);
    Painter p(b);
    p.MoveTo(-1000000000, 2);
    p.LineTo(1000000000, 2);
    p.MoveTo(-2000000000, -2000000000);
    p.LineTo(2000000000, 2000000000);
    EXPECT_EQ(Picture(b), R"(
#.........
.#........
##########
...#......
....#.....
)");
}

TEST(PainterLines, ClearPenDrawsNothing)
{
    PixelBuffer b = WhiteBuffer(4, 4);
    Painter p(b);
    p.SetPen({.Style = psClear});
    p.MoveTo(0, 0);
    p.LineTo(4, 4);
    EXPECT_EQ(CountPixels(b, clWhite), 16);
    EXPECT_EQ(p.PenPos(), (TPoint{4, 4}));
}
