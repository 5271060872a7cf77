// DrawFrameControl: buttons, check and radio boxes, scroll and combo-box
// arrows, caption buttons and menu glyphs in the classic look. Framed parts
// are an edge (GdiEdges.h) with a glyph (FrameGlyphs.h) centred on the face.
#include "platform/win/DeviceContext.h"
#include "platform/win/FrameGlyphs.h"
#include "platform/win/GdiEdges.h"

#include <algorithm>
#include <memory>

namespace {

constexpr UINT kPartMask = 0x00FF;  // the part within a DFCS_* state

// The edge around a framed part.
struct Frame {
    UINT Edge = EDGE_RAISED;
    UINT Flags = BF_RECT | BF_MIDDLE;
};

UINT EdgeStyle(UINT state)
{
    return ((state & DFCS_FLAT) ? UINT(BF_FLAT) : 0u) | ((state & DFCS_MONO) ? UINT(BF_MONO) : 0u);
}

// Push and caption buttons: the brighter highlight outside; sunken while down.
Frame ButtonFrame(UINT state)
{
    const bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
    return {down ? UINT(EDGE_SUNKEN) : UINT(EDGE_RAISED), BF_RECT | BF_SOFT | BF_MIDDLE | EdgeStyle(state)};
}

// Scroll arrows go flat while pushed.
Frame ScrollFrame(UINT state)
{
    const UINT flat = (state & DFCS_PUSHED) ? UINT(BF_FLAT) : 0u;
    return {EDGE_RAISED, BF_RECT | BF_MIDDLE | flat | EdgeStyle(state)};
}

void FillRegion(Painter& p, const Region& region, int colorIndex) { p.FillRgn(region, Brush{SystemColor(colorIndex)}); }

// A box of the given size centred in area; an odd pixel left over goes right or down.
TRect CentredIn(const TRect& area, TSize size)
{
    return TRect::FromSize(area.Left + (area.Width() - size.cx) / 2, area.Top + (area.Height() - size.cy) / 2, size.cx,
                           size.cy);
}

// How a glyph is inked: in one colour, or etched (highlight under shadow)
// as inactive parts show it.
struct GlyphInk {
    int Color = COLOR_BTNTEXT;
    bool Etched = false;
};

GlyphInk InkFor(UINT state, int colorIndex) { return {colorIndex, (state & DFCS_INACTIVE) != 0}; }

// Paints a glyph centred in area (moved by shift), clipped to area.
void PaintGlyph(Painter& p, const FrameGlyph& glyph, const TRect& area, TPoint shift, const GlyphInk& ink)
{
    const TPoint at = CentredIn(area, glyph.Size).TopLeft() + shift;
    const Region limit(area);
    const auto paint = [&](int dx, int dy, int color) {
        FillRegion(p, glyph.Shape.Offset(at.X + dx, at.Y + dy).Intersected(limit), color);
    };
    if (ink.Etched) {
        paint(1, 1, COLOR_BTNHIGHLIGHT);
        paint(0, 0, COLOR_BTNSHADOW);
    } else {
        paint(0, 0, ink.Color);
    }
}

// Pushed faces show their glyph one pixel down and right.
TPoint PushShift(UINT state) { return (state & DFCS_PUSHED) ? TPoint{1, 1} : TPoint{}; }

// The dither of a checked (but not pushed) push button.
void PaintDither(Painter& p, const TRect& face)
{
    if (face.IsEmpty()) return;
    auto pattern = std::make_shared<PixelBuffer>(2, 2, PixelFromColor(clBtnFace));
    pattern->At(0, 0) = pattern->At(1, 1) = PixelFromColor(clBtnHighlight);
    p.FillRect(face, Brush{clBtnFace, bsSolid, std::move(pattern)});
}

// The centred square of a check or radio box.
TRect BoxIn(const TRect& r)
{
    const int side = std::min(r.Width(), r.Height());
    return CentredIn(r, {side, side});
}

// The inside of check and radio boxes: grey while pushed or inactive.
int BoxFillColor(UINT state) { return (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW; }

void PaintCheckBox(Painter& p, const TRect& r, UINT state)
{
    const TRect box = BoxIn(r);
    const UINT flags = BF_RECT | EdgeStyle(state);
    PaintEdge(p, box, EDGE_SUNKEN, flags);
    const TRect inside = EdgeInside(box, EDGE_SUNKEN, flags);
    // A checked 3-state box shows its check greyed: the indeterminate state.
    const bool indeterminate = (state & kPartMask) == DFCS_BUTTON3STATE && (state & DFCS_CHECKED);
    if (!(state & DFCS_TRANSPARENT)) FillSysColor(p, inside, indeterminate ? COLOR_BTNFACE : BoxFillColor(state));
    if (!(state & DFCS_CHECKED)) return;
    const int color = (indeterminate || (state & DFCS_INACTIVE)) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT;
    PaintGlyph(p, CheckGlyph(), inside, {}, GlyphInk{color});
}

// A disc filling box; nothing when the box is empty.
Region Disc(const TRect& box)
{
    if (box.IsEmpty()) return {};
    return Region::CreateEllipticRgn(box.Left, box.Top, box.Right + 1, box.Bottom + 1);
}

// The pixels of box above its rising diagonal: the lit side of a round edge.
Region UpperLeft(const TRect& box)
{
    std::vector<RowSpan> rows;
    for (int y = 0; y < box.Height(); ++y) rows.push_back({box.Left, box.Left + box.Width() - 1 - y});
    return Region::FromRows(box.Top, rows);
}

void PaintRadio(Painter& p, const TRect& r, UINT state)
{
    const TRect box = BoxIn(r);
    const Region outer = Disc(box);
    const Region middle = Disc(box.Inflated(-1, -1));
    const Region inside = Disc(box.Inflated(-2, -2));
    const Region lit = UpperLeft(box);
    const auto ring = [&](const Region& ringShape, int upperLeft, int lowerRight) {
        FillRegion(p, ringShape.Intersected(lit), upperLeft);
        FillRegion(p, ringShape.Subtracted(lit), lowerRight);
    };
    if (state & DFCS_MONO) {
        FillRegion(p, outer.Subtracted(middle), COLOR_WINDOWFRAME);
    } else if (state & DFCS_FLAT) {
        FillRegion(p, outer.Subtracted(middle), COLOR_BTNSHADOW);
    } else {
        ring(outer.Subtracted(middle), COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
        ring(middle.Subtracted(inside), COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    }
    const Region face = (state & (DFCS_MONO | DFCS_FLAT)) ? middle : inside;
    if (!(state & DFCS_TRANSPARENT)) FillRegion(p, face, BoxFillColor(state));
    if (!(state & DFCS_CHECKED)) return;
    const int dot = std::max(2, box.Width() / 3);
    FillRegion(p, Disc(CentredIn(box, {dot, dot})).Intersected(outer),
               (state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
}

std::optional<ArrowDirection> ScrollArrow(UINT part)
{
    switch (part) {
    case DFCS_SCROLLUP: return ArrowDirection::Up;
    case DFCS_SCROLLDOWN:
    case DFCS_SCROLLCOMBOBOX: return ArrowDirection::Down;
    case DFCS_SCROLLLEFT: return ArrowDirection::Left;
    case DFCS_SCROLLRIGHT: return ArrowDirection::Right;
    default: return std::nullopt;
    }
}

// Makes a caption symbol for the space of a face.
using GlyphMaker = FrameGlyph (*)(int space);

std::optional<GlyphMaker> CaptionGlyph(UINT part)
{
    switch (part) {
    case DFCS_CAPTIONCLOSE: return &CloseGlyph;
    case DFCS_CAPTIONMIN: return &MinimizeGlyph;
    case DFCS_CAPTIONMAX: return &MaximizeGlyph;
    case DFCS_CAPTIONRESTORE: return &RestoreGlyph;
    default: return std::nullopt;
    }
}

std::optional<FrameGlyph> MenuGlyph(UINT part, int space)
{
    switch (part) {
    case DFCS_MENUARROW: return ArrowGlyph(ArrowDirection::Right, space);
    case DFCS_MENUCHECK: return CheckGlyph();
    case DFCS_MENUBULLET: return BulletGlyph(space);
    default: return std::nullopt;
    }
}

// Draws a framed part: the edge, then paintFace(painter, face). With
// DFCS_ADJUSTRECT rect becomes the face.
template <class F>
bool DrawFramed(DeviceContext& c, RECT& rect, const Frame& frame, UINT state, F&& paintFace)
{
    const TRect r = rect.Normalized();
    const TRect face = EdgeInside(r, frame.Edge, frame.Flags);
    c.Draw(r, [&](Painter& p) {
        PaintEdge(p, r, frame.Edge, frame.Flags);
        paintFace(p, face);
    });
    if (state & DFCS_ADJUSTRECT) rect = face;
    return true;
}

int SpaceOf(const TRect& r) { return std::max(0, std::min(r.Width(), r.Height())); }

bool DrawButton(DeviceContext& c, RECT& rect, UINT state)
{
    const UINT part = state & kPartMask;
    if (part == DFCS_BUTTONPUSH) {
        return DrawFramed(c, rect, ButtonFrame(state), state, [&](Painter& p, const TRect& face) {
            if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED)) PaintDither(p, face);
        });
    }
    const TRect r = rect.Normalized();
    if (part == DFCS_BUTTONCHECK || part == DFCS_BUTTON3STATE) {
        c.Draw(r, [&](Painter& p) { PaintCheckBox(p, r, state); });
        return true;
    }
    if (part == DFCS_BUTTONRADIO) {
        c.Draw(r, [&](Painter& p) { PaintRadio(p, r, state); });
        return true;
    }
    return false;
}

bool DrawScroll(DeviceContext& c, RECT& rect, UINT state)
{
    const std::optional<ArrowDirection> direction = ScrollArrow(state & kPartMask);
    if (!direction) return false;
    return DrawFramed(c, rect, ScrollFrame(state), state, [&](Painter& p, const TRect& face) {
        PaintGlyph(p, ArrowGlyph(*direction, SpaceOf(face)), face, PushShift(state), InkFor(state, COLOR_BTNTEXT));
    });
}

bool DrawCaption(DeviceContext& c, RECT& rect, UINT state)
{
    const std::optional<GlyphMaker> make = CaptionGlyph(state & kPartMask);
    if (!make) return false;
    return DrawFramed(c, rect, ButtonFrame(state), state, [&](Painter& p, const TRect& face) {
        PaintGlyph(p, (*make)(SpaceOf(face)), face, PushShift(state), InkFor(state, COLOR_BTNTEXT));
    });
}

bool DrawMenu(DeviceContext& c, const RECT& rect, UINT state)
{
    const TRect r = rect.Normalized();
    const std::optional<FrameGlyph> glyph = MenuGlyph(state & kPartMask, SpaceOf(r));
    if (!glyph) return false;
    c.Draw(r, [&](Painter& p) { PaintGlyph(p, *glyph, r, {}, InkFor(state, COLOR_MENUTEXT)); });
    return true;
}

}  // namespace

bool DrawFrameControl(HDC dc, RECT& rect, UINT type, UINT state)
{
    DeviceContext* c = FindDeviceContext(dc);
    if (!c) return false;
    switch (type) {
    case DFC_BUTTON: return DrawButton(*c, rect, state);
    case DFC_SCROLL: return DrawScroll(*c, rect, state);
    case DFC_CAPTION: return DrawCaption(*c, rect, state);
    case DFC_MENU: return DrawMenu(*c, rect, state);
    default: return false;
    }
}
