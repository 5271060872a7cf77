// Polygons: filled by the poly-fill mode, then outlined with the pen.
#include "platform/gfx/Painter.h"

#include "platform/gfx/Ink.h"
#include "platform/gfx/PolygonScanner.h"
#include "platform/gfx/SpanClipper.h"

#include <algorithm>

void Painter::Polygon(std::span<const TPoint> points)
{
    if (points.size() < 2) return;
    std::vector<TPoint> device;
    device.reserve(points.size());
    for (TPoint p : points) device.push_back(ToDevice(p));

    const Ink brush = BrushInk(m_state.CurrentBrush, m_state.Mode);
    if (brush.IsVisible()) {
        const PolygonScanner scanner(device, m_state.PolyFillMode);
        const SpanClipper clip = Clipper();
        const int last = std::min(scanner.Bottom(), clip.Box().Bottom);
        for (int y = std::max(scanner.Top(), clip.Box().Top); y < last; ++y)
            for (const RowSpan& span : scanner.Row(y))
                clip.ForEachSpan(y, span.Left, span.Right,
                                 [&](int row, int a, int b) { brush.Paint(m_target.Row(row), row, a, b); });
    }
    StrokeDevicePath(device, PathEnd::Closed);
}
