#pragma once
// A picture being drawn. It keeps, beside the pixels, which pixels the
// picture's own figures have touched ("ink"): a backdrop is painted first
// so that antialiased edges blend into the colour the picture will sit on,
// and KeyUninked afterwards turns every untouched pixel into a key colour
// that the skin leaves out when drawing.

#include "platform/core/Rect.h"
#include "platform/gfx/FontDesc.h"
#include "platform/gfx/PixelBuffer.h"
#include "tools/skinart/Gradient.h"
#include "tools/skinart/Shape.h"

#include <cstdint>
#include <string_view>
#include <vector>

class ArtCanvas {
public:
    // Throws EOutOfResources for sizes PixelBuffer refuses.
    ArtCanvas(int width, int height, TColor backdrop);

    [[nodiscard]] int Width() const { return m_pixels.Width(); }
    [[nodiscard]] int Height() const { return m_pixels.Height(); }
    [[nodiscard]] TRect Bounds() const { return m_pixels.Bounds(); }
    [[nodiscard]] const PixelBuffer& Pixels() const { return m_pixels; }
    [[nodiscard]] PixelBuffer Take() { return std::move(m_pixels); }
    [[nodiscard]] TColor ColorAt(int x, int y) const;

    // Paints without leaving ink: what the picture will be seen against.
    void Backdrop(const Gradient& paint);
    void Backdrop(const Gradient& paint, const TRect& r);

    // Ink: a figure blended in by its coverage (times opacity), a plain
    // rectangle, one pixel, and text.
    void Fill(const Shape& shape, const Gradient& paint, double opacity = 1.0);
    void FillRect(const TRect& r, const Gradient& paint);
    // A soft light inside r: opacity falls smoothly from peak at the centre
    // to nothing at the rim of the rx x ry ellipse.
    void Glow(Point2 centre, double rx, double ry, TColor color, double peak, const TRect& r);
    void Plot(int x, int y, TColor color);
    // Text whose inked pixels are centred on centre (rounded to whole pixels).
    void Text(std::string_view text, const FontDesc& font, Point2 centre, const Gradient& paint);

    // Every pixel that no ink touched becomes key.
    void KeyUninked(TColor key);
    // Sets the four corner pixels of r to color (and counts them as ink).
    void SetCorners(const TRect& r, TColor color);

private:
    void Blend(int x, int y, TColor color, double alpha);

    PixelBuffer m_pixels;
    std::vector<std::uint8_t> m_ink;  // one flag per pixel
};
