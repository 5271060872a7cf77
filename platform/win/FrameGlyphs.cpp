#include "platform/win/FrameGlyphs.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr int kMinCaptionSymbol = 4;  // pixels; below this caption symbols are not recognisable
constexpr int kCaptionBarHeight = 2;  // pixels: the thick top of windows and the minimise bar

// The cells marked '#' of a picture given as rows of text.
Region FromPicture(std::span<const std::string_view> rows)
{
    Region shape;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == '#') shape = shape.United(Region(TRect::FromSize(int(x), int(y), 1, 1)));
    return shape;
}

// A window outline: the top kCaptionBarHeight rows thick, the other sides one pixel.
Region WindowOutline(const TRect& box)
{
    const TRect inside{box.Left + 1, box.Top + kCaptionBarHeight, box.Right - 1, box.Bottom - 1};
    return Region(box).Subtracted(Region(inside));
}

int CaptionSymbolSize(int space) { return std::max(kMinCaptionSymbol, space - 2); }

}  // namespace

FrameGlyph ArrowGlyph(ArrowDirection direction, int space)
{
    // Rows of widths 1, 3, 5 ...: four rows in the 12-pixel inside of a 16-pixel button.
    const int rows = std::max(1, (space + 1) / 3);
    const int base = 2 * rows - 1;
    std::vector<RowSpan> spans;
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    for (int i = 0; i < (vertical ? rows : base); ++i) {
        if (vertical) {
            const int half = direction == ArrowDirection::Up ? i : rows - 1 - i;
            spans.push_back({rows - 1 - half, rows + half});
        } else {
            const int length = rows - std::abs(i - (rows - 1));
            spans.push_back(direction == ArrowDirection::Right ? RowSpan{0, length} : RowSpan{rows - length, rows});
        }
    }
    return {Region::FromRows(0, spans), vertical ? TSize{base, rows} : TSize{rows, base}};
}

FrameGlyph CheckGlyph()
{
    constexpr std::array<std::string_view, 7> kTick = {
        "......#",
        ".....##",
        "#...###",
        "##.###.",
        "#####..",
        ".###...",
        "..#....",
    };
    return {FromPicture(kTick), {7, 7}};
}

FrameGlyph BulletGlyph(int space)
{
    const int side = std::max(2, space / 3);
    return {Region::CreateEllipticRgn(0, 0, side + 1, side + 1), {side, side}};
}

// Two crossing diagonals, each two pixels wide.
FrameGlyph CloseGlyph(int space)
{
    const int n = CaptionSymbolSize(space);
    Region shape;
    for (int y = 0; y < n; ++y) {
        shape = shape.United(Region(TRect{y, y, std::min(n, y + 2), y + 1}));
        shape = shape.United(Region(TRect{std::max(0, n - 2 - y), y, n - y, y + 1}));
    }
    return {shape, {n, n}};
}

FrameGlyph MinimizeGlyph(int space)
{
    const int n = CaptionSymbolSize(space);
    return {Region(TRect{0, n - kCaptionBarHeight, n * 2 / 3, n}), {n, n}};
}

FrameGlyph MaximizeGlyph(int space)
{
    const int n = CaptionSymbolSize(space);
    return {WindowOutline({0, 0, n, n}), {n, n}};
}

// A window in front of another one up and to the right of it.
FrameGlyph RestoreGlyph(int space)
{
    const int n = CaptionSymbolSize(space);
    const int offset = n / 3;
    const TRect back{offset, 0, n, n - offset};
    const TRect front{0, offset, n - offset, n};
    const Region shape = WindowOutline(back).Subtracted(Region(front)).United(WindowOutline(front));
    return {shape, {n, n}};
}
