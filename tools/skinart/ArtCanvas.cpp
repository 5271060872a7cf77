#include "tools/skinart/ArtCanvas.h"

#include "platform/gfx/FontLibrary.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/TextRenderer.h"
#include "tools/skinart/ArtColor.h"

#include <cmath>

namespace {

constexpr int kTextPad = 4;  // pixels of room around text rendered for measuring

}  // namespace

ArtCanvas::ArtCanvas(int width, int height, TColor backdrop)
    : m_pixels(width, height, PixelFromRGB(backdrop)), m_ink(std::size_t(width) * std::size_t(height), 0)
{
}

TColor ArtCanvas::ColorAt(int x, int y) const
{
    return ColorFromPixel(m_pixels.GetPixel(x, y));
}

void ArtCanvas::Backdrop(const Gradient& paint)
{
    Backdrop(paint, Bounds());
}

void ArtCanvas::Backdrop(const Gradient& paint, const TRect& r)
{
    const TRect clipped = r.Intersected(Bounds());
    for (int y = clipped.Top; y < clipped.Bottom; ++y) {
        for (int x = clipped.Left; x < clipped.Right; ++x) m_pixels.At(x, y) = PixelFromRGB(paint.At(x, y));
    }
}

void ArtCanvas::Blend(int x, int y, TColor color, double alpha)
{
    if (alpha <= 0 || !m_pixels.Contains(x, y)) return;
    m_pixels.At(x, y) = Over(m_pixels.At(x, y), color, alpha);
    m_ink[std::size_t(y) * std::size_t(Width()) + std::size_t(x)] = 1;
}

void ArtCanvas::Fill(const Shape& shape, const Gradient& paint, double opacity)
{
    for (int y = 0; y < Height(); ++y) {
        for (int x = 0; x < Width(); ++x) Blend(x, y, paint.At(x, y), shape.Coverage(x, y) * opacity);
    }
}

void ArtCanvas::FillRect(const TRect& r, const Gradient& paint)
{
    const TRect clipped = r.Intersected(Bounds());
    for (int y = clipped.Top; y < clipped.Bottom; ++y) {
        for (int x = clipped.Left; x < clipped.Right; ++x) Blend(x, y, paint.At(x, y), 1.0);
    }
}

void ArtCanvas::Glow(Point2 centre, double rx, double ry, TColor color, double peak, const TRect& r)
{
    if (rx <= 0 || ry <= 0) return;
    const TRect clipped = r.Intersected(Bounds());
    for (int y = clipped.Top; y < clipped.Bottom; ++y) {
        for (int x = clipped.Left; x < clipped.Right; ++x) {
            const double d = std::hypot((x + 0.5 - centre.X) / rx, (y + 0.5 - centre.Y) / ry);
            if (d < 1) Blend(x, y, color, peak * (1 - d) * (1 - d));
        }
    }
}

void ArtCanvas::Plot(int x, int y, TColor color)
{
    Blend(x, y, color, 1.0);
}

void ArtCanvas::Text(std::string_view text, const FontDesc& font, Point2 centre, const Gradient& paint)
{
    // Rendered black on white first: the darkness of each pixel is the
    // glyphs' coverage, which then lays the paint over the picture.
    const auto face = FontLibrary::Default().GetFont(font);
    const TSize extent = TextExtent(*face, text);
    PixelBuffer scratch(extent.cx + 2 * kTextPad, extent.cy + 2 * kTextPad, PixelFromRGB(clWhite));
    TextOut(scratch, {kTextPad, kTextPad}, text, *face, TextPaint{clBlack, std::nullopt}, scratch.Bounds());

    TRect ink;
    for (int y = 0; y < scratch.Height(); ++y) {
        for (int x = 0; x < scratch.Width(); ++x) {
            if ((scratch.At(x, y) & 0xFF) == 0xFF) continue;
            ink = ink.IsEmpty() ? TRect{x, y, x + 1, y + 1} : ink.United({x, y, x + 1, y + 1});
        }
    }
    if (ink.IsEmpty()) return;
    const int dx = int(std::lround(centre.X - (ink.Left + ink.Right) / 2.0));
    const int dy = int(std::lround(centre.Y - (ink.Top + ink.Bottom) / 2.0));
    for (int y = ink.Top; y < ink.Bottom; ++y) {
        for (int x = ink.Left; x < ink.Right; ++x) {
            const double coverage = 1.0 - (scratch.At(x, y) & 0xFF) / 255.0;
            Blend(x + dx, y + dy, paint.At(x + dx, y + dy), coverage);
        }
    }
}

void ArtCanvas::KeyUninked(TColor key)
{
    for (int y = 0; y < Height(); ++y) {
        for (int x = 0; x < Width(); ++x) {
            if (!m_ink[std::size_t(y) * std::size_t(Width()) + std::size_t(x)]) m_pixels.At(x, y) = PixelFromRGB(key);
        }
    }
}

void ArtCanvas::SetCorners(const TRect& r, TColor color)
{
    if (r.IsEmpty()) return;
    for (const TPoint p : {r.TopLeft(), TPoint{r.Right - 1, r.Top}, TPoint{r.Left, r.Bottom - 1},
                           TPoint{r.Right - 1, r.Bottom - 1}}) {
        if (!m_pixels.Contains(p.X, p.Y)) continue;
        m_pixels.At(p.X, p.Y) = PixelFromRGB(color);
        m_ink[std::size_t(p.Y) * std::size_t(Width()) + std::size_t(p.X)] = 1;
    }
}
