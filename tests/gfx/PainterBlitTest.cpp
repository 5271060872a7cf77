#include "platform/gfx/Painter.h"

#include "PainterTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <string_view>

namespace {

// A buffer drawn from rows of picture characters (see PixelChar).
PixelBuffer FromPicture(std::initializer_list<std::string_view> rows)
{
    PixelBuffer b(int(rows.begin()->size()), int(rows.size()));
    int y = 0;
    for (std::string_view row : rows) {
        for (int x = 0; x < int(row.size()); ++x) {
            const TColor c = row[std::size_t(x)] == '#' ? clBlack
                             : row[std::size_t(x)] == 'r' ? clRed
                             : row[std::size_t(x)] == 'g' ? clLime
                             : row[std::size_t(x)] == 'b' ? clBlue
                                                          : clWhite;
            b.At(x, y) = PixelFromColor(c);
        }
        ++y;
    }
    return b;
}

}  // namespace

TEST(PainterBlit, BitBltCopiesAndClipsAtTheBufferEdge)
{
    const PixelBuffer src = FromPicture({"rgb", "#.r"});
    PixelBuffer b = WhiteBuffer(4, 3);
    Painter p(b);
    EXPECT_TRUE(p.BitBlt(2, 1, 3, 2, &src, 0, 0, SRCCOPY));
    EXPECT_EQ(Picture(b), R"(
....
..rg
..#.
)");
}

TEST(PainterBlit, SourcePixelsOutsideTheSourceAreNeverRead)
{
    const PixelBuffer src = FromPicture({"rgb", "#.r"});
    PixelBuffer b = FromPicture({"bbbb", "bbbb", "bbbb"});
    const PixelBuffer before = b;
    Painter p(b);
    p.BitBlt(0, 0, 4, 3, &src, -2, -1, SRCCOPY);
    EXPECT_EQ(Picture(b), R"(
bbbb
bbrg
bb#.
)");
    b = before;
    p.BitBlt(0, 0, 4, 3, &src, 1000000000, -2000000000, SRCCOPY);
    p.BitBlt(-2000000000, 0, INT_MAX, INT_MAX, &src, INT_MIN, INT_MIN, SRCCOPY);
    p.StretchBlt(0, 0, 4, 3, &src, INT_MAX, INT_MAX, INT_MIN, INT_MIN, SRCCOPY);
    EXPECT_EQ(b, before);
    // A huge destination samples the source's middle pixel everywhere.
    p.StretchBlt(-1000000000, -1000000000, 2000000000, 2000000000, &src, 0, 0, 3, 2, SRCCOPY);
    EXPECT_EQ(CountPixels(b, clWhite), 12);
}

TEST(PainterBlit, StretchBltPicksNearestPixels)
{
    const PixelBuffer square = FromPicture({"rg", "b#"});
    PixelBuffer big = WhiteBuffer(4, 4);
    Painter p(big);
    p.StretchBlt(0, 0, 4, 4, &square, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(Picture(big), R"(
rrgg
rrgg
bb##
bb##
)");
    // Shrinking samples the centre of each destination pixel's share.
    const PixelBuffer row = FromPicture({"rgb#"});
    PixelBuffer small = WhiteBuffer(2, 1);
    Painter q(small);
    q.StretchBlt(0, 0, 2, 1, &row, 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(Picture(small), "\ng#\n");
}

TEST(PainterBlit, NegativeExtentsMirror)
{
    const PixelBuffer column = FromPicture({"r", "g", "b"});
    PixelBuffer b = WhiteBuffer(2, 3);
    Painter p(b);
    // A negative destination height covers the same rows, flipped.
    p.StretchBlt(0, 3, 2, -3, &column, 0, 0, 1, 3, SRCCOPY);
    EXPECT_EQ(Picture(b), "\nbb\ngg\nrr\n");
    p.StretchBlt(0, 0, 2, 3, &column, 0, 3, 1, -3, SRCCOPY);
    EXPECT_EQ(Picture(b), "\nbb\ngg\nrr\n");
    // Both negative: no flip.
    p.StretchBlt(0, 3, 2, -3, &column, 0, 3, 1, -3, SRCCOPY);
    EXPECT_EQ(Picture(b), "\nrr\ngg\nbb\n");

    const PixelBuffer row = FromPicture({"rgb"});
    PixelBuffer m = WhiteBuffer(3, 1);
    Painter q(m);
    q.StretchBlt(3, 0, -3, 1, &row, 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(Picture(m), "\nbgr\n");
}

TEST(PainterBlit, BlitWithinOneBufferReadsThePixelsAsTheyWere)
{
    PixelBuffer b = FromPicture({"rgb#."});
    Painter p(b);
    p.BitBlt(1, 0, 4, 1, &b, 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(b), "\nrrgb#\n");
    p.BitBlt(0, 0, 4, 1, &b, 1, 0, SRCCOPY);
    EXPECT_EQ(Picture(b), "\nrgb##\n");
}

TEST(PainterBlit, TransparentBltLeavesOutTheKeyColour)
{
    const PixelBuffer src = FromPicture({"rgr"});
    PixelBuffer b = WhiteBuffer(6, 2);
    Painter p(b);
    p.TransparentBlt(0, 0, 3, 1, src, 0, 0, 3, 1, clRed);
    p.TransparentBlt(0, 1, 6, 1, src, 0, 0, 3, 1, clRed);
    EXPECT_EQ(Picture(b), R"(
.g....
..gg..
)");
}

TEST(PainterBlit, MaskedBltDrawsWhereTheMaskIsBlack)
{
    const PixelBuffer src = FromPicture({"rgb"});
    const PixelBuffer mask = FromPicture({"#.#"});
    PixelBuffer b = WhiteBuffer(3, 2);
    Painter p(b);
    p.MaskedBlt({0, 0, 3, 1}, src, {0, 0}, mask, {0, 0});
    // Mask pixels outside the mask buffer are transparent.
    p.MaskedBlt({0, 1, 3, 2}, src, {0, 0}, mask, {1, 0});
    EXPECT_EQ(Picture(b), R"(
r.b
.g.
)");
}

TEST(PainterBlit, BlitsStayInsideTheClipRegion)
{
    const PixelBuffer src(4, 2, PixelFromColor(clBlack));
    PixelBuffer b = WhiteBuffer(4, 2);
    Painter p(b);
    const Region clip = Region(TRect{1, 0, 2, 2}).United(Region(TRect{3, 1, 9, 9}));
    p.SelectClipRgn(&clip);
    p.StretchBlt(0, 0, 4, 2, &src, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(Picture(b), "\n.#..\n.#.#\n");
}

TEST(PainterBlit, PatternOperationsUseTheBrush)
{
    PixelBuffer b = WhiteBuffer(4, 2);
    Painter p(b);
    p.SetBrush({.Color = clRed});
    EXPECT_TRUE(p.PatBlt(0, 0, 2, 2, PATCOPY));
    p.SetBrush({.Color = clWhite});
    EXPECT_TRUE(p.PatBlt(1, 0, 2, 1, PATINVERT));
    EXPECT_FALSE(p.PatBlt(0, 0, 4, 2, SRCCOPY));
    EXPECT_FALSE(p.BitBlt(0, 0, 4, 2, nullptr, 0, 0, SRCAND));
    // Hatch gaps show the background colour, or nothing when transparent.
    p.SetBkColor(clBlue);
    p.SetBrush({.Color = clBlack, .Style = bsVertical});
    p.SetBrushOrg({2, 0});
    p.PatBlt(2, 1, 2, 1, PATCOPY);
    p.SetBkMode(TRANSPARENT);
    p.PatBlt(2, 0, 2, 1, PATCOPY);
    EXPECT_EQ(Picture(b), "\nr?#.\nrr#b\n");
}
