// Rectangle fills and frames, inversions, focus rectangles and the rounded
// shapes (Rectangle, RoundRect, Ellipse).
#include "platform/gfx/Painter.h"

#include "platform/gfx/Ink.h"
#include "platform/gfx/RoundRectShape.h"
#include "platform/gfx/SpanClipper.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <utility>

namespace {

// The pixels of the one-pixel frame just inside r.
Region FrameOf(const TRect& r) { return Region(r).Subtracted(Region(r.Inflated(-1, -1))); }

int Shrunk(int size, int by) { return int(std::max<std::int64_t>(0, std::abs(std::int64_t(size)) - by)); }

}  // namespace

void Painter::FillRect(const TRect& r, const Brush& brush)
{
    const Ink ink = BrushInk(brush, pmCopy);
    if (!ink.IsVisible()) return;
    Clipper().ForEachInRect(ToDevice(r.Normalized()),
                            [&](int y, int left, int right) { ink.Paint(m_target.Row(y), y, left, right); });
}

void Painter::FillRgn(const Region& logical, const Brush& brush)
{
    PaintRegion(logical.Offset(m_state.ViewportOrg.X, m_state.ViewportOrg.Y), BrushInk(brush, pmCopy));
}

void Painter::FrameRect(const TRect& r, const Brush& brush)
{
    PaintRegion(FrameOf(ToDevice(r.Normalized())), BrushInk(brush, pmCopy));
}

void Painter::InvertRect(const TRect& r)
{
    Clipper().ForEachInRect(ToDevice(r.Normalized()), [&](int y, int left, int right) {
        TPixel* row = m_target.Row(y);
        for (int x = left; x < right; ++x) row[x] ^= kColorBits;
    });
}

void Painter::DrawFocusRect(const TRect& r)
{
    const TPoint org = m_state.BrushOrg;
    Clipper().ForEachInRegion(FrameOf(ToDevice(r.Normalized())), [&](int y, int left, int right) {
        TPixel* row = m_target.Row(y);
        for (int x = left; x < right; ++x)
            if (((unsigned(x) - unsigned(org.X) + unsigned(y) - unsigned(org.Y)) & 1u) == 0) row[x] ^= kColorBits;
    });
}

void Painter::Rectangle(int left, int top, int right, int bottom) { DrawRoundedBox({left, top, right, bottom}, 0, 0); }

void Painter::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    DrawRoundedBox({left, top, right, bottom}, ellipseWidth, ellipseHeight);
}

void Painter::Ellipse(int left, int top, int right, int bottom)
{
    DrawRoundedBox({left, top, right, bottom}, INT_MAX, INT_MAX);
}

// The pen ring is what the outline shape holds beyond the inner shape's
// inside; for one-pixel pens that is the shape's own border, so pen and
// brush together cover exactly the rounded region of the same box.
void Painter::DrawRoundedBox(const TRect& logical, int ellipseWidth, int ellipseHeight)
{
    const TRect box = ToDevice(logical.Normalized());
    const Pen& pen = m_state.CurrentPen;
    const Ink brush = BrushInk(m_state.CurrentBrush, m_state.Mode);
    const Ink penInk = PenInk();
    const SpanClipper clip = Clipper();
    const auto paint = [&](const Ink& ink, int y, RowSpan span) {
        if (span.IsEmpty() || !ink.IsVisible()) return;
        clip.ForEachSpan(y, span.Left, span.Right,
                         [&](int row, int a, int b) { ink.Paint(m_target.Row(row), row, a, b); });
    };
    const auto rowsOf = [&](const TRect& r) {
        return std::pair{std::max(r.Top, clip.Box().Top), std::min(r.Bottom, clip.Box().Bottom)};
    };

    if (pen.Style == psClear) {
        const RoundRectShape shape({box.Left, box.Top, box.Right - 1, box.Bottom - 1}, ellipseWidth, ellipseHeight);
        const auto [first, last] = rowsOf(shape.Box());
        for (int y = first; y < last; ++y) paint(brush, y, shape.Row(y));
        return;
    }

    // A wider pen is a square centred on the one-pixel outline, unless it is
    // kept inside the box.
    const int width = pen.PixelWidth();
    const int half = width / 2;
    const TRect outer = pen.Style == psInsideFrame
                            ? box
                            : TRect{box.Left - half, box.Top - half, box.Right + width - 1 - half,
                                    box.Bottom + width - 1 - half};
    const RoundRectShape outline(outer, ellipseWidth, ellipseHeight);
    const RoundRectShape inner(outer.Inflated(1 - width, 1 - width), Shrunk(ellipseWidth, 2 * (width - 1)),
                               Shrunk(ellipseHeight, 2 * (width - 1)));
    // Dashed pens walk the frame of a plain rectangle as a closed path.
    // FIXME: dashed outlines of rounded shapes are drawn solid.
    const TRect& b = outline.Box();
    const bool dashedFrame = pen.IsDashed() && outline.IsRectangular() && b.Width() > 1 && b.Height() > 1;

    const auto [first, last] = rowsOf(b);
    for (int y = first; y < last; ++y) {
        const RowSpan ring = outline.Row(y);
        RowSpan inside = inner.InnerRow(y);
        inside = {std::max(inside.Left, ring.Left), std::min(inside.Right, ring.Right)};
        paint(brush, y, inside);
        if (dashedFrame) continue;
        if (inside.IsEmpty()) {
            paint(penInk, y, ring);
        } else {
            paint(penInk, y, {ring.Left, inside.Left});
            paint(penInk, y, {inside.Right, ring.Right});
        }
    }
    if (dashedFrame) {
        const TPoint corners[] = {{b.Left, b.Top}, {b.Right - 1, b.Top}, {b.Right - 1, b.Bottom - 1}, {b.Left, b.Bottom - 1}};
        StrokeDevicePath(corners, PathEnd::Closed);
    }
}
