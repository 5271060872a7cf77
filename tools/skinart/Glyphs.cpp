#include "tools/skinart/Glyphs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kCaptionStroke = 1.9;  // pixels, the close cross
constexpr double kFrameLine = 1.0;      // pixels, window outlines of maximise and restore
constexpr double kTitleLine = 2.0;      // pixels, their thick top edge

// A window outline: a thick top edge and thin sides, as on the maximise symbol.
[[nodiscard]] Shape WindowOutline(double left, double top, double right, double bottom)
{
    return Shape::Box(left, top, right, bottom) -
           Shape::Box(left + kFrameLine, top + kTitleLine, right - kFrameLine, bottom - kFrameLine);
}

}  // namespace

GlyphBox CentredGlyphBox(int width, int height, int side)
{
    return {double((width - side) / 2), double((height - side) / 2), double(side)};
}

Shape ArrowGlyph(const GlyphBox& box, Direction direction)
{
    const double s = box.Side;
    const double half = s / 2;
    const double depth = std::ceil(s / 2);
    const double cx = box.CentreX();
    const double cy = box.CentreY();
    switch (direction) {
    case Direction::Up:
        return Shape::Polygon({{cx - half, cy + depth / 2}, {cx + half, cy + depth / 2}, {cx, cy - depth / 2}});
    case Direction::Down:
        return Shape::Polygon({{cx - half, cy - depth / 2}, {cx + half, cy - depth / 2}, {cx, cy + depth / 2}});
    case Direction::Left:
        return Shape::Polygon({{cx + depth / 2, cy - half}, {cx + depth / 2, cy + half}, {cx - depth / 2, cy}});
    case Direction::Right:
        return Shape::Polygon({{cx - depth / 2, cy - half}, {cx - depth / 2, cy + half}, {cx + depth / 2, cy}});
    }
    return Shape::Box(0, 0, 0, 0);
}

Shape ChevronGlyph(const GlyphBox& box, Direction direction, double width)
{
    const double a = box.Side * 0.5 - width / 2;
    const double b = box.Side * 0.25;
    const double cx = box.CentreX();
    const double cy = box.CentreY();
    switch (direction) {
    case Direction::Up: return Shape::Path({{cx - a, cy + b}, {cx, cy - b}, {cx + a, cy + b}}, width);
    case Direction::Down: return Shape::Path({{cx - a, cy - b}, {cx, cy + b}, {cx + a, cy - b}}, width);
    case Direction::Left: return Shape::Path({{cx + b, cy - a}, {cx - b, cy}, {cx + b, cy + a}}, width);
    case Direction::Right: return Shape::Path({{cx - b, cy - a}, {cx + b, cy}, {cx - b, cy + a}}, width);
    }
    return Shape::Box(0, 0, 0, 0);
}

Shape CheckGlyph(const GlyphBox& box, double width)
{
    const double s = box.Side;
    return Shape::Path({{box.Left + s * 0.16, box.Top + s * 0.52},
                        {box.Left + s * 0.40, box.Top + s * 0.76},
                        {box.Left + s * 0.86, box.Top + s * 0.22}},
                       width);
}

Shape CrossGlyph(const GlyphBox& box, double width)
{
    const double inset = width / 2;
    const double l = box.Left + inset;
    const double t = box.Top + inset;
    const double r = box.Left + box.Side - inset;
    const double b = box.Top + box.Side - inset;
    return Shape::Stroke({l, t}, {r, b}, width) | Shape::Stroke({r, t}, {l, b}, width);
}

void DrawCaptionGlyph(ArtCanvas& canvas, CaptionGlyph glyph, const GlyphBox& box, TColor color)
{
    const Gradient paint = Gradient::Solid(color);
    const double l = box.Left;
    const double t = box.Top;
    const double s = box.Side;
    switch (glyph) {
    case CaptionGlyph::ControlBox: {
        // A diamond with a hollow centre: the window's menu.
        const double cx = box.CentreX();
        const double cy = box.CentreY();
        const double r = s / 2;
        const double h = std::max(1.0, s / 5);
        canvas.Fill(Shape::Polygon({{cx, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}}) -
                        Shape::Polygon({{cx, cy - h}, {cx + h, cy}, {cx, cy + h}, {cx - h, cy}}),
                    paint);
        break;
    }
    case CaptionGlyph::Help:
        canvas.Text("?", FontDesc{.Name = "DejaVu Sans", .Height = -int(std::lround(s + 3)), .Bold = true},
                    {box.CentreX(), box.CentreY()}, paint);
        break;
    case CaptionGlyph::Maximise: canvas.Fill(WindowOutline(l, t, l + s, t + s), paint); break;
    case CaptionGlyph::Restore: {
        const double step = std::round(s / 3);
        const Shape front = WindowOutline(l, t + step, l + s - step, t + s);
        const Shape frontBox = Shape::Box(l, t + step, l + s - step, t + s);
        const Shape behind = WindowOutline(l + step, t, l + s, t + s - step) - frontBox;
        canvas.Fill(front | behind, paint);
        break;
    }
    case CaptionGlyph::Minimise:
        canvas.Fill(Shape::Box(l + 1, t + s - kTitleLine - 1, l + s - 1, t + s - 1), paint);
        break;
    case CaptionGlyph::Close: canvas.Fill(CrossGlyph(box, kCaptionStroke), paint); break;
    }
}
