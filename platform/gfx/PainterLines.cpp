// Lines, polylines and the pen outlines of paths.
#include "platform/gfx/Painter.h"

#include "platform/gfx/Ink.h"
#include "platform/gfx/LineRaster.h"
#include "platform/gfx/SpanClipper.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <utility>

namespace {

// Dash patterns of one-pixel pens: lengths of alternating on and off runs.
constexpr int kDash[] = {18, 6};                  // pixels
constexpr int kDot[] = {3, 3};                    // pixels
constexpr int kDashDot[] = {9, 6, 3, 6};          // pixels
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};  // pixels

std::span<const int> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash: return kDash;
    case psDot: return kDot;
    case psDashDot: return kDashDot;
    case psDashDotDot: return kDashDotDot;
    default: return {};
    }
}

// Whether pixel number pos of a dashed path is drawn in the pen colour.
bool DashOn(std::span<const int> pattern, std::int64_t pos)
{
    if (pattern.empty()) return true;
    std::int64_t rest = pos % std::accumulate(pattern.begin(), pattern.end(), 0);
    for (std::size_t run = 0; run < pattern.size(); ++run) {
        if (rest < pattern[run]) return run % 2 == 0;
        rest -= pattern[run];
    }
    return true;
}

// Calls f(from, to) for each segment of the path.
template <class F>
void ForEachSegment(std::span<const TPoint> points, F&& f)
{
    for (std::size_t k = 0; k + 1 < points.size(); ++k) f(points[k], points[k + 1]);
}

}  // namespace

TPoint Painter::MoveTo(int x, int y) { return std::exchange(m_state.PenPos, TPoint{x, y}); }

void Painter::LineTo(int x, int y)
{
    const TPoint path[] = {ToDevice(m_state.PenPos), ToDevice(x, y)};
    StrokeDevicePath(path, PathEnd::Open);
    m_state.PenPos = {x, y};
}

void Painter::Polyline(std::span<const TPoint> points)
{
    std::vector<TPoint> device;
    device.reserve(points.size());
    for (TPoint p : points) device.push_back(ToDevice(p));
    StrokeDevicePath(device, PathEnd::Open);
}

void Painter::StrokeDevicePath(std::span<const TPoint> device, PathEnd end)
{
    if (m_state.CurrentPen.Style == psClear) return;
    std::vector<TPoint> closed;
    if (end == PathEnd::Closed && device.size() > 1) {
        closed.assign(device.begin(), device.end());
        closed.push_back(device.front());
        device = closed;
    }
    if (m_state.CurrentPen.PixelWidth() > 1)
        StrokeWide(device);
    else
        StrokeThin(device);
}

// One-pixel pens: each pixel is painted as the line visits it, with the
// dash pattern running on across the segments of the path.
void Painter::StrokeThin(std::span<const TPoint> device)
{
    const Ink pen = PenInk();
    const Ink gap = BkInk();
    const std::span<const int> pattern =
        m_state.CurrentPen.IsDashed() ? DashPattern(m_state.CurrentPen.Style) : std::span<const int>();
    const SpanClipper clip = Clipper();
    std::int64_t dashPos = 0;
    ForEachSegment(device, [&](TPoint from, TPoint to) {
        const LineRaster line(from, to);
        const LineRaster::Steps steps = line.StepsWithin(clip.Box());
        for (int i = steps.First; i < steps.Last; ++i) {
            const Ink& ink = DashOn(pattern, dashPos + i) ? pen : gap;
            if (!ink.IsVisible()) continue;
            const TPoint p = line.At(i);
            clip.ForEachSpan(p.Y, p.X, p.X + 1,
                             [&](int y, int left, int right) { ink.Paint(m_target.Row(y), y, left, right); });
        }
        dashPos += line.Length();
    });
}

// Wider pens: a square of the pen width follows each line. The squares of
// the whole path are gathered into one region first, so that every pixel is
// mixed once even where segments meet (which matters for XOR pens).
void Painter::StrokeWide(std::span<const TPoint> device)
{
    const int width = m_state.CurrentPen.PixelWidth();
    const int half = width / 2;
    const TRect box = Clipper().Box().Inflated(width, width);
    Region shape;
    ForEachSegment(device, [&](TPoint from, TPoint to) {
        const LineRaster line(from, to);
        const LineRaster::Steps steps = line.StepsWithin(box);
        if (steps.First >= steps.Last) return;
        const int top = std::min(line.At(steps.First).Y, line.At(steps.Last - 1).Y) - half;
        const int bottom = std::max(line.At(steps.First).Y, line.At(steps.Last - 1).Y) - half + width;
        std::vector<RowSpan> rows(std::size_t(bottom - top), RowSpan{INT_MAX, INT_MIN});
        for (int i = steps.First; i < steps.Last; ++i) {
            const TPoint p = line.At(i);
            for (int y = p.Y - half; y < p.Y - half + width; ++y) {
                RowSpan& row = rows[std::size_t(y - top)];
                row.Left = std::min(row.Left, p.X - half);
                row.Right = std::max(row.Right, p.X - half + width);
            }
        }
        shape = shape.United(Region::FromRows(top, rows));
    });
    PaintRegion(shape, PenInk());
}
