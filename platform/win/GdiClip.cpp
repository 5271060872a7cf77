// Clipping calls. The clip region is kept in device coordinates; what the
// context draws on (DeviceContext::Surface) limits it further.
#include "platform/win/DeviceContext.h"

namespace {

// Replaces the clip; returns the kind of what can be drawn on afterwards.
int SetClip(DeviceContext& c, std::optional<Region> clip)
{
    c.State().Clip = std::move(clip);
    return c.Visible().Kind();
}

// The clip region, or everything the context draws on when it has none.
Region ClipOrSurface(const DeviceContext& c) { return c.State().Clip ? *c.State().Clip : c.Surface(); }

Region DeviceRect(const DeviceContext& c, int left, int top, int right, int bottom)
{
    return Region(c.ToDevice(TRect{left, top, right, bottom}.Normalized()));
}

}  // namespace

int SelectClipRgn(HDC dc, HRGN region) { return ExtSelectClipRgn(dc, region, RGN_COPY); }

int ExtSelectClipRgn(HDC dc, HRGN region, int mode)
{
    DeviceContext* c = FindDeviceContext(dc);
    if (!c) return RGN_ERROR;
    if (!region) return mode == RGN_COPY ? SetClip(*c, std::nullopt) : RGN_ERROR;
    const Region* r = RegionOf(region);
    if (!r || mode < RGN_AND || mode > RGN_COPY) return RGN_ERROR;
    if (mode == RGN_COPY) return SetClip(*c, *r);
    return SetClip(*c, Region::Combine(ClipOrSurface(*c), *r, mode));
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom)
{
    return WithContext(dc, int(RGN_ERROR), [&](DeviceContext& c) {
        const Region rect = DeviceRect(c, left, top, right, bottom);
        return SetClip(c, c.State().Clip ? c.State().Clip->Intersected(rect) : rect);
    });
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom)
{
    return WithContext(dc, int(RGN_ERROR), [&](DeviceContext& c) {
        return SetClip(c, ClipOrSurface(c).Subtracted(DeviceRect(c, left, top, right, bottom)));
    });
}

int OffsetClipRgn(HDC dc, int dx, int dy)
{
    return WithContext(dc, int(RGN_ERROR), [&](DeviceContext& c) {
        std::optional<Region>& clip = c.State().Clip;
        return SetClip(c, clip ? std::optional<Region>(clip->Offset(dx, dy)) : std::nullopt);
    });
}

int GetClipBox(HDC dc, RECT& box)
{
    return WithContext(dc, int(RGN_ERROR), [&](const DeviceContext& c) {
        const Region visible = c.Visible();
        box = visible.IsEmpty() ? TRect{} : c.ToLogical(visible.Bounds());
        return visible.Kind();
    });
}

int GetClipRgn(HDC dc, HRGN copyInto)
{
    const DeviceContext* c = FindDeviceContext(dc);
    if (!c || !RegionOf(copyInto)) return -1;
    if (!c->State().Clip) return 0;
    AssignRegion(copyInto, *c->State().Clip);
    return 1;
}

bool PtVisible(HDC dc, int x, int y)
{
    return WithContext(dc, false,
                       [&](const DeviceContext& c) { return c.Visible().Contains(c.ToDevice(TPoint{x, y})); });
}

bool RectVisible(HDC dc, const RECT& rect)
{
    return WithContext(dc, false,
                       [&](const DeviceContext& c) { return c.Visible().Intersects(c.ToDevice(rect.Normalized())); });
}
