// DrawEdge: the classic three-dimensional borders. An edge is up to two
// one-pixel rings, the outer one at the rectangle's border and the inner
// one just inside it; a ring given alone takes the outer place. Each ring
// draws its top and left lines first and its bottom and right lines over
// them, all at full length.
#include "platform/win/GdiEdges.h"

#include "platform/win/DeviceContext.h"

#include <array>

namespace {

// The system colours of one ring.
struct Ring {
    int TopLeft = 0;
    int BottomRight = 0;
};

// One of the two rings: its BDR_* bits and its colours, [0] raised and
// [1] sunken.
struct RingKind {
    UINT Raised = 0;
    UINT Sunken = 0;
    std::array<Ring, 2> Normal;
    std::array<Ring, 2> Soft;  // BF_SOFT: the brighter or darker colour outside
    int Flat = 0;              // BF_FLAT: both lines
    int Mono = 0;              // BF_MONO: both lines
};

constexpr RingKind kOuterRing = {BDR_RAISEDOUTER,
                                 BDR_SUNKENOUTER,
                                 {{{COLOR_3DLIGHT, COLOR_3DDKSHADOW}, {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT}}},
                                 {{{COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW}, {COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT}}},
                                 COLOR_BTNSHADOW,
                                 COLOR_WINDOWFRAME};
constexpr RingKind kInnerRing = {BDR_RAISEDINNER,
                                 BDR_SUNKENINNER,
                                 {{{COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}, {COLOR_3DDKSHADOW, COLOR_3DLIGHT}}},
                                 {{{COLOR_3DLIGHT, COLOR_BTNSHADOW}, {COLOR_BTNSHADOW, COLOR_3DLIGHT}}},
                                 COLOR_BTNFACE,
                                 COLOR_WINDOW};

// The ring an edge asks for, if it sets exactly one of the ring's bits.
std::optional<Ring> RingOf(const RingKind& kind, UINT edge, UINT flags)
{
    const UINT bits = edge & (kind.Raised | kind.Sunken);
    if (bits == 0 || bits == (kind.Raised | kind.Sunken)) return std::nullopt;
    if (flags & BF_MONO) return Ring{kind.Mono, kind.Mono};
    if (flags & BF_FLAT) return Ring{kind.Flat, kind.Flat};
    const std::array<Ring, 2>& colors = (flags & BF_SOFT) ? kind.Soft : kind.Normal;
    return colors[bits == kind.Raised ? 0 : 1];
}

// The rings of an edge, outermost first.
std::vector<Ring> RingsOf(UINT edge, UINT flags)
{
    std::vector<Ring> rings;
    for (const RingKind* kind : {&kOuterRing, &kInnerRing})
        if (const auto ring = RingOf(*kind, edge, flags)) rings.push_back(*ring);
    return rings;
}

// r less by pixels on each flagged side.
TRect Deflated(const TRect& r, UINT flags, int by)
{
    return {r.Left + ((flags & BF_LEFT) ? by : 0), r.Top + ((flags & BF_TOP) ? by : 0),
            r.Right - ((flags & BF_RIGHT) ? by : 0), r.Bottom - ((flags & BF_BOTTOM) ? by : 0)};
}

}  // namespace

void FillSysColor(Painter& painter, const TRect& rect, int colorIndex)
{
    if (!rect.IsEmpty()) painter.FillRect(rect, Brush{SystemColor(colorIndex)});
}

TRect EdgeInside(const TRect& rect, UINT edge, UINT flags)
{
    return Deflated(rect.Normalized(), flags, int(RingsOf(edge, flags).size()));
}

void PaintEdge(Painter& painter, const TRect& rect, UINT edge, UINT flags)
{
    TRect r = rect.Normalized();
    for (const Ring& ring : RingsOf(edge, flags)) {
        // Nothing is left for this ring (a rectangle smaller than the edge).
        if (r.IsEmpty()) return;
        if (flags & BF_TOP) FillSysColor(painter, {r.Left, r.Top, r.Right, r.Top + 1}, ring.TopLeft);
        if (flags & BF_LEFT) FillSysColor(painter, {r.Left, r.Top, r.Left + 1, r.Bottom}, ring.TopLeft);
        if (flags & BF_BOTTOM) FillSysColor(painter, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, ring.BottomRight);
        if (flags & BF_RIGHT) FillSysColor(painter, {r.Right - 1, r.Top, r.Right, r.Bottom}, ring.BottomRight);
        r = Deflated(r, flags, 1);
    }
    if (flags & BF_MIDDLE) FillSysColor(painter, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
}

bool DrawEdge(HDC dc, RECT& rect, UINT edge, UINT flags)
{
    DeviceContext* c = FindDeviceContext(dc);
    if (!c || (flags & BF_DIAGONAL)) return false;
    c->Draw(rect, [&](Painter& p) { PaintEdge(p, rect, edge, flags); });
    if (flags & BF_ADJUST) rect = EdgeInside(rect, edge, flags);
    return true;
}
