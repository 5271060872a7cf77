#include "tools/skinart/ButtonArt.h"

#include "tools/skinart/Faces.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <algorithm>

namespace {

constexpr FaceState kButtonFrames[] = {FaceState::Normal, FaceState::Hot, FaceState::Pressed};
constexpr double kChevronStroke = 1.8;  // pixels

[[nodiscard]] PixelBuffer ButtonFace(const Look& look, FaceState state, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double radius = std::min(double(look.Radius), (size.cy - 1) / 2.0);
    PaintFace(canvas, ButtonFacePaint(look, state), state, {0, 0, double(size.cx), double(size.cy), radius});
    if (look.ButtonKeying == Keying::Keyed) canvas.KeyUninked(kKeyColor);
    return canvas.Take();
}

}  // namespace

PixelBuffer DrawButtonStrip(const Look& look, TSize size)
{
    return DrawStrip(size, 3, [&](int i, TSize frame) { return ButtonFace(look, kButtonFrames[i], frame); });
}

PixelBuffer DrawComboButtonPlain(const Look& look, TSize size)
{
    // A shaded face with a separator line on its left, square, since it
    // sits inside the combo box's own frame.
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const FacePaint paint = ButtonFacePaint(look, FaceState::Normal);
    canvas.FillRect({1, 0, size.cx, size.cy}, FaceShade(paint, FaceState::Normal, 0, size.cy));
    canvas.FillRect({0, 0, 1, size.cy}, Gradient::Solid(look.ControlBorder));
    return canvas.Take();
}

PixelBuffer DrawComboButtonArrow(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const FacePaint paint = TintedFacePaint(look, look.Thumb, FaceState::Normal);
    PaintFace(canvas, paint, FaceState::Normal, {0, 0, double(size.cx), double(size.cy), 2});
    const int side = std::min(size.cx, size.cy) / 2;
    canvas.Fill(ChevronGlyph(CentredGlyphBox(size.cx, size.cy, side), Direction::Down, kChevronStroke),
                Gradient::Solid(look.Mark));
    return canvas.Take();
}
