// Pixels, lines, shapes and rectangle fills on device contexts. Each call
// hands its work to the painter of every target and names the logical
// area it may touch, which becomes the damage report.
#include "platform/win/DeviceContext.h"

#include <algorithm>
#include <climits>

namespace {

// The box of the points grown by margin on every side.
TRect ExtentOf(std::span<const TPoint> points, int margin)
{
    std::int64_t left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const TPoint p : points) {
        left = std::min<std::int64_t>(left, p.X);
        top = std::min<std::int64_t>(top, p.Y);
        right = std::max<std::int64_t>(right, p.X);
        bottom = std::max<std::int64_t>(bottom, p.Y);
    }
    if (points.empty()) return {};
    return {ClampCoord(left - margin), ClampCoord(top - margin), ClampCoord(right + margin + 1),
            ClampCoord(bottom + margin + 1)};
}

// What a pen outline around or through the points may touch.
TRect PenExtent(const DeviceContext& c, std::span<const TPoint> points)
{
    return ExtentOf(points, c.CurrentPen().PixelWidth());
}

TRect PenExtent(const DeviceContext& c, int left, int top, int right, int bottom)
{
    const TPoint corners[] = {{left, top}, {right, bottom}};
    return PenExtent(c, corners);
}

// Runs paint on the context behind dc; false for an invalid handle.
template <class F>
bool DrawOn(HDC dc, F&& paint)
{
    DeviceContext* c = FindDeviceContext(dc);
    if (!c) return false;
    paint(*c);
    return true;
}

// Paints with a brush handle (or COLOR_* + 1 value) over rect.
template <class F>
bool DrawWithBrush(HDC dc, const RECT& rect, HBRUSH brush, F&& paint)
{
    DeviceContext* c = FindDeviceContext(dc);
    const std::optional<Brush> ink = c ? c->BrushOf(brush) : std::nullopt;
    if (!ink) return false;
    c->Draw(rect, [&](Painter& p) { paint(p, *ink); });
    return true;
}

}  // namespace

// --- pixels -------------------------------------------------------------------------------

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
    DeviceContext* c = FindDeviceContext(dc);
    if (!c) return COLORREF(CLR_INVALID);
    TColor set = CLR_INVALID;
    c->Draw(TRect{x, y, x + 1, y + 1}, [&](Painter& p) {
        const TColor result = p.SetPixel(x, y, gdi::ColorOf(color));
        if (result != CLR_INVALID) set = result;
    });
    return COLORREF(set);
}

COLORREF GetPixel(HDC dc, int x, int y)
{
    const DeviceContext* c = FindDeviceContext(dc);
    if (!c) return COLORREF(CLR_INVALID);
    const TPoint device = c->ToDevice(TPoint{x, y});
    const DeviceContext::PixelSource source = c->SourceAt(device, DeviceContext::Reach::Visible);
    if (!source.Pixels) return COLORREF(CLR_INVALID);
    return COLORREF(ColorFromPixel(source.Pixels->At(device.X + source.Origin.X, device.Y + source.Origin.Y)));
}

// --- lines ------------------------------------------------------------------------------

bool MoveToEx(HDC dc, int x, int y, POINT* previous)
{
    return DrawOn(dc, [&](DeviceContext& c) {
        if (previous) *previous = c.State().PenPos;
        c.State().PenPos = {x, y};
    });
}

bool LineTo(HDC dc, int x, int y)
{
    return DrawOn(dc, [&](DeviceContext& c) {
        const TPoint ends[] = {c.State().PenPos, {x, y}};
        c.Draw(PenExtent(c, ends), [&](Painter& p) { p.LineTo(x, y); });
        c.State().PenPos = {x, y};
    });
}

bool Polyline(HDC dc, std::span<const POINT> points)
{
    return DrawOn(dc, [&](DeviceContext& c) { c.Draw(PenExtent(c, points), [&](Painter& p) { p.Polyline(points); }); });
}

bool PolylineTo(HDC dc, std::span<const POINT> points)
{
    if (points.empty()) return FindDeviceContext(dc) != nullptr;
    return DrawOn(dc, [&](DeviceContext& c) {
        std::vector<TPoint> path{c.State().PenPos};
        path.insert(path.end(), points.begin(), points.end());
        c.Draw(PenExtent(c, path), [&](Painter& p) { p.Polyline(path); });
        c.State().PenPos = points.back();
    });
}

// --- shapes -------------------------------------------------------------------------------

bool Polygon(HDC dc, std::span<const POINT> points)
{
    if (points.size() < 2) return false;
    return DrawOn(dc, [&](DeviceContext& c) { c.Draw(PenExtent(c, points), [&](Painter& p) { p.Polygon(points); }); });
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    return DrawOn(dc, [&](DeviceContext& c) {
        c.Draw(PenExtent(c, left, top, right, bottom), [&](Painter& p) { p.Rectangle(left, top, right, bottom); });
    });
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    return DrawOn(dc, [&](DeviceContext& c) {
        c.Draw(PenExtent(c, left, top, right, bottom),
               [&](Painter& p) { p.RoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight); });
    });
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return DrawOn(dc, [&](DeviceContext& c) {
        c.Draw(PenExtent(c, left, top, right, bottom), [&](Painter& p) { p.Ellipse(left, top, right, bottom); });
    });
}

// --- rectangle fills and frames ----------------------------------------------------------------

bool FillRect(HDC dc, const RECT& rect, HBRUSH brush)
{
    return DrawWithBrush(dc, rect, brush, [&](Painter& p, const Brush& ink) { p.FillRect(rect, ink); });
}

bool FrameRect(HDC dc, const RECT& rect, HBRUSH brush)
{
    return DrawWithBrush(dc, rect, brush, [&](Painter& p, const Brush& ink) { p.FrameRect(rect, ink); });
}

bool InvertRect(HDC dc, const RECT& rect)
{
    return DrawOn(dc, [&](DeviceContext& c) { c.Draw(rect, [&](Painter& p) { p.InvertRect(rect); }); });
}

bool DrawFocusRect(HDC dc, const RECT& rect)
{
    return DrawOn(dc, [&](DeviceContext& c) { c.Draw(rect, [&](Painter& p) { p.DrawFocusRect(rect); }); });
}
