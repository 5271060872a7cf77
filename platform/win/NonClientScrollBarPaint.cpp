// Painting the standard scroll bars in the classic light-grey look: 3D arrow
// buttons, a dithered track, a raised thumb. Everything comes from the
// bar's layout, the same one hit testing uses.

#include "platform/core/Color.h"
#include "platform/win/Gdi.h"
#include "platform/win/NonClientLayout.h"
#include "platform/win/NonClientScrollBar.h"
#include "platform/win/WinConst.h"

#include <array>
#include <cstdint>

namespace win {

namespace {

constexpr int kPatternSide = 8;  // px, a classic pattern brush

// A checkerboard of two system colours, as the classic track is drawn.
HBRUSH DitherBrush(int colorA, int colorB)
{
    const auto word = [](int index) {
        const TColor c = GetSysColor(index);
        return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | std::uint32_t(GetBValue(c));
    };
    std::array<std::uint32_t, kPatternSide * kPatternSide> bits{};
    for (int y = 0; y < kPatternSide; ++y)
        for (int x = 0; x < kPatternSide; ++x) bits[std::size_t(y * kPatternSide + x)] = word((x + y) % 2 ? colorA : colorB);
    const HBITMAP pattern = CreateBitmap(kPatternSide, kPatternSide, 1, 32, bits.data());
    const HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern);
    return brush;
}

UINT ArrowGlyph(ScrollBarKind kind, bool first)
{
    if (kind == ScrollBarKind::Vertical) return first ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
    return first ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
}

void PaintArrow(HDC dc, TRect rect, UINT glyph, bool pressed, bool inactive)
{
    if (rect.IsEmpty()) return;
    UINT state = glyph;
    if (pressed) state |= DFCS_PUSHED | DFCS_FLAT;
    if (inactive) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, rect, DFC_SCROLL, state);
}

void PaintTrackPart(HDC dc, const TRect& rect, bool pressed, HBRUSH normal, HBRUSH down)
{
    if (!rect.IsEmpty()) FillRect(dc, rect, pressed ? down : normal);
}

void PaintBar(HDC dc, const ScrollBarLayout& l, const ScrollBarState& s)
{
    if (l.bar.IsEmpty()) return;
    const bool unavailable = IsBarUnavailable(s);
    PaintArrow(dc, l.lineUp, ArrowGlyph(l.kind, true), s.pressed == ScrollBarPart::LineUp,
               unavailable || IsArrowDisabled(s, ScrollBarPart::LineUp));
    PaintArrow(dc, l.lineDown, ArrowGlyph(l.kind, false), s.pressed == ScrollBarPart::LineDown,
               unavailable || IsArrowDisabled(s, ScrollBarPart::LineDown));
    const HBRUSH normal = DitherBrush(COLOR_BTNHIGHLIGHT, COLOR_BTNFACE);
    const HBRUSH down = DitherBrush(COLOR_3DDKSHADOW, COLOR_BTNSHADOW);
    if (l.thumb.IsEmpty()) {
        PaintTrackPart(dc, l.track, false, normal, down);
    } else {
        PaintTrackPart(dc, l.pageUp, s.pressed == ScrollBarPart::PageUp, normal, down);
        PaintTrackPart(dc, l.pageDown, s.pressed == ScrollBarPart::PageDown, normal, down);
        RECT thumb = l.thumb;
        DrawEdge(dc, thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    DeleteObject(normal);
    DeleteObject(down);
}

}  // namespace

void PaintScrollBars(HDC dc, const Window& w)
{
    PaintBar(dc, LayoutBar(w, SB_VERT), w.vertical);
    PaintBar(dc, LayoutBar(w, SB_HORZ), w.horizontal);
    const TRect box = ScrollBarsBeside(w.client, {0, 0, w.rect.Width(), w.rect.Height()}, w.style).sizeBox;
    if (!box.IsEmpty()) FillRect(dc, box, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace win
