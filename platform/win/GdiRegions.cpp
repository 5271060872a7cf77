// Region handles: creating, combining and testing regions, and painting
// them into contexts.
#include "platform/win/DeviceContext.h"

namespace {

Region* MutableRegion(HRGN handle)
{
    auto* object = gdi::Lookup<gdi::RegionObject>(handle);
    return object ? &object->Value : nullptr;
}

// The pixels of region within dx columns of a left or right edge or dy
// rows of a top or bottom edge: the region less its copies moved inwards
// from every side.
Region FrameOf(const Region& region, int dx, int dy)
{
    const Region inside = region.Offset(dx, 0)
                              .Intersected(region.Offset(-dx, 0))
                              .Intersected(region.Offset(0, dy))
                              .Intersected(region.Offset(0, -dy));
    return region.Subtracted(inside);
}

// Paints a logical region with paint(painter, region) on dc.
template <class F>
bool PaintRegion(HDC dc, HRGN handle, F&& paint)
{
    DeviceContext* c = FindDeviceContext(dc);
    const Region* region = RegionOf(handle);
    if (!c || !region) return false;
    c->Draw(region->Bounds(), [&](Painter& p) { paint(p, *region); });
    return true;
}

}  // namespace

// --- handles ---------------------------------------------------------------------

const Region* RegionOf(HRGN region) { return MutableRegion(region); }

HRGN CreateRegionHandle(Region region) { return gdi::Add(gdi::RegionObject{std::move(region)}); }

int AssignRegion(HRGN handle, Region region)
{
    Region* target = MutableRegion(handle);
    if (!target) return RGN_ERROR;
    *target = std::move(region);
    return target->Kind();
}

// --- creating ---------------------------------------------------------------------

HRGN CreateRectRgn(int left, int top, int right, int bottom)
{
    return CreateRegionHandle(Region::CreateRectRgn(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT& rect) { return CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom); }

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    return CreateRegionHandle(Region::CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom)
{
    return CreateRegionHandle(Region::CreateEllipticRgn(left, top, right, bottom));
}

// --- combining and changing -----------------------------------------------------------

int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode)
{
    const Region* first = RegionOf(a);
    const Region* second = RegionOf(b);
    if (!RegionOf(dst) || !first || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
    if (mode == RGN_COPY) return AssignRegion(dst, *first);
    if (!second) return RGN_ERROR;
    return AssignRegion(dst, Region::Combine(*first, *second, mode));
}

bool SetRectRgn(HRGN region, int left, int top, int right, int bottom)
{
    return AssignRegion(region, Region::CreateRectRgn(left, top, right, bottom)) != RGN_ERROR;
}

int OffsetRgn(HRGN region, int dx, int dy)
{
    const Region* r = RegionOf(region);
    return r ? AssignRegion(region, r->Offset(dx, dy)) : int(RGN_ERROR);
}

// --- testing --------------------------------------------------------------------------

int GetRgnBox(HRGN region, RECT& box)
{
    const Region* r = RegionOf(region);
    if (!r) return RGN_ERROR;
    box = r->Bounds();
    return r->Kind();
}

bool PtInRegion(HRGN region, int x, int y)
{
    const Region* r = RegionOf(region);
    return r && r->Contains({x, y});
}

bool RectInRegion(HRGN region, const RECT& rect)
{
    const Region* r = RegionOf(region);
    return r && r->Intersects(rect.Normalized());
}

bool EqualRgn(HRGN a, HRGN b)
{
    const Region* first = RegionOf(a);
    const Region* second = RegionOf(b);
    return first && second && *first == *second;
}

// --- painting ----------------------------------------------------------------------------

bool FillRgn(HDC dc, HRGN region, HBRUSH brush)
{
    const DeviceContext* c = FindDeviceContext(dc);
    const std::optional<Brush> ink = c ? c->BrushOf(brush) : std::nullopt;
    return ink && PaintRegion(dc, region, [&](Painter& p, const Region& r) { p.FillRgn(r, *ink); });
}

bool PaintRgn(HDC dc, HRGN region)
{
    return PaintRegion(dc, region, [](Painter& p, const Region& r) { p.FillRgn(r, p.State().CurrentBrush); });
}

bool FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height)
{
    const DeviceContext* c = FindDeviceContext(dc);
    const std::optional<Brush> ink = c ? c->BrushOf(brush) : std::nullopt;
    if (!ink || width < 0 || height < 0) return false;
    return PaintRegion(dc, region, [&](Painter& p, const Region& r) { p.FillRgn(FrameOf(r, width, height), *ink); });
}

bool InvertRgn(HDC dc, HRGN region)
{
    return PaintRegion(dc, region, [](Painter& p, const Region& r) {
        for (const TRect& rect : r.Rects()) p.InvertRect(rect);
    });
}
