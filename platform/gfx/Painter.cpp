// State, save and restore, clipping and single pixels.
#include "platform/gfx/Painter.h"

#include "platform/gfx/Ink.h"
#include "platform/gfx/SpanClipper.h"

#include <utility>

Painter::Painter(PixelBuffer& target) : m_target(target) {}

void Painter::SetState(const PainterState& state)
{
    m_state = state;
    UpdateClip();
}

int Painter::SaveDC()
{
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

bool Painter::RestoreDC(int level)
{
    const int depth = int(m_saved.size());
    if (level < 0) level += depth + 1;
    if (level <= 0 || level > depth) return false;
    m_state = m_saved[std::size_t(level - 1)];
    m_saved.resize(std::size_t(level - 1));
    UpdateClip();
    return true;
}

TPoint Painter::SetViewportOrg(TPoint org)
{
    return std::exchange(m_state.ViewportOrg, TPoint{ClampCoord(org.X), ClampCoord(org.Y)});
}

TPoint Painter::OffsetViewportOrg(int dx, int dy)
{
    const TPoint old = m_state.ViewportOrg;
    m_state.ViewportOrg = {ClampCoord(std::int64_t(old.X) + dx), ClampCoord(std::int64_t(old.Y) + dy)};
    return old;
}

TPoint Painter::SetBrushOrg(TPoint org) { return std::exchange(m_state.BrushOrg, org); }
TColor Painter::SetBkColor(TColor color) { return std::exchange(m_state.BkColor, color); }
int Painter::SetBkMode(int mode) { return std::exchange(m_state.BkMode, mode); }
TPenMode Painter::SetPenMode(TPenMode mode) { return std::exchange(m_state.Mode, mode); }
int Painter::SetROP2(int rop2) { return ROP2FromPenMode(std::exchange(m_state.Mode, PenModeFromROP2(rop2))); }
int Painter::SetPolyFillMode(int mode) { return std::exchange(m_state.PolyFillMode, mode); }

void Painter::SetBaseClip(std::optional<Region> device)
{
    m_baseClip = std::move(device);
    UpdateClip();
}

int Painter::SelectClipRgn(const Region* device)
{
    m_state.Clip = device ? std::optional<Region>(*device) : std::nullopt;
    UpdateClip();
    return VisibleRegion().Kind();
}

int Painter::IntersectClipRect(const TRect& logical)
{
    const Region r(ToDevice(logical.Normalized()));
    m_state.Clip = m_state.Clip ? m_state.Clip->Intersected(r) : r;
    UpdateClip();
    return VisibleRegion().Kind();
}

int Painter::ExcludeClipRect(const TRect& logical)
{
    const Region r(ToDevice(logical.Normalized()));
    m_state.Clip = (m_state.Clip ? *m_state.Clip : Region(m_target.Bounds())).Subtracted(r);
    UpdateClip();
    return VisibleRegion().Kind();
}

void Painter::UpdateClip()
{
    if (m_baseClip && m_state.Clip)
        m_clip = m_baseClip->Intersected(*m_state.Clip);
    else if (m_baseClip)
        m_clip = m_baseClip;
    else
        m_clip = m_state.Clip;
}

Region Painter::VisibleRegion() const
{
    const Region buffer(m_target.Bounds());
    return m_clip ? m_clip->Intersected(buffer) : buffer;
}

std::vector<TRect> Painter::ClipRects() const { return VisibleRegion().Rects(); }

TRect Painter::GetClipBox() const
{
    const TRect box = VisibleRegion().Bounds();
    if (box.IsEmpty()) return {};
    return box.Offset(-m_state.ViewportOrg.X, -m_state.ViewportOrg.Y);
}

bool Painter::PtVisible(int x, int y) const
{
    const TPoint p = ToDevice(x, y);
    return Clipper().Contains(p.X, p.Y);
}

TColor Painter::GetPixel(int x, int y) const
{
    const TPoint p = ToDevice(x, y);
    if (!Clipper().Contains(p.X, p.Y)) return CLR_INVALID;
    return ColorFromPixel(m_target.At(p.X, p.Y));
}

TColor Painter::SetPixel(int x, int y, TColor color)
{
    const TPoint p = ToDevice(x, y);
    if (!Clipper().Contains(p.X, p.Y)) return CLR_INVALID;
    m_target.At(p.X, p.Y) = PixelFromColor(color);
    return ColorToRGB(color);
}

TPoint Painter::ToDevice(int x, int y) const
{
    return {ClampCoord(std::int64_t(x) + m_state.ViewportOrg.X), ClampCoord(std::int64_t(y) + m_state.ViewportOrg.Y)};
}

TRect Painter::ToDevice(const TRect& r) const
{
    const TPoint tl = ToDevice(r.Left, r.Top);
    const TPoint br = ToDevice(r.Right, r.Bottom);
    return {tl.X, tl.Y, br.X, br.Y};
}

SpanClipper Painter::Clipper() const { return SpanClipper(m_clip ? &*m_clip : nullptr, m_target.Bounds()); }

Ink Painter::BrushInk(const Brush& brush, TPenMode mode) const
{
    return Ink::FromBrush(brush, {m_state.BkColor, m_state.BkMode}, m_state.BrushOrg, mode);
}

Ink Painter::PenInk() const
{
    if (m_state.CurrentPen.Style == psClear) return Ink();
    return Ink::Solid(m_state.CurrentPen.Color, m_state.Mode);
}

Ink Painter::BkInk() const
{
    if (m_state.BkMode == TRANSPARENT) return Ink();
    return Ink::Solid(m_state.BkColor, m_state.Mode);
}

void Painter::PaintRegion(const Region& device, const Ink& ink)
{
    if (!ink.IsVisible()) return;
    Clipper().ForEachInRegion(device, [&](int y, int left, int right) { ink.Paint(m_target.Row(y), y, left, right); });
}
