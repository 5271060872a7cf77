#include "tools/skinart/ScrollBarArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Faces.h"
#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Look.h"
#include "tools/skinart/Strip.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr FaceState kArrowStates[] = {FaceState::Normal, FaceState::Hot, FaceState::Pressed};
constexpr Direction kButtonDirections[] = {Direction::Up, Direction::Down, Direction::Left, Direction::Right};
constexpr double kArrowRadius = 3;    // pixels, at most
constexpr double kArrowShare = 0.44;  // arrow width as a share of the button's width
constexpr double kSliderMargin = 1;   // pixels between the slider and the bar's edges

[[nodiscard]] PixelBuffer ArrowFrame(const Look& look, Direction direction, FaceState state, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Track);
    const double radius = std::min(kArrowRadius, double(look.Radius));
    PaintFace(canvas, ButtonFacePaint(look, state), state, {0, 0, double(size.cx), double(size.cy), radius});
    const int side = std::max(3, int(std::lround(std::min(size.cx, size.cy) * kArrowShare)) | 1);
    canvas.Fill(ArrowGlyph(CentredGlyphBox(size.cx, size.cy, side), direction), Gradient::Solid(look.Mark));
    return canvas.Take();
}

}  // namespace

PixelBuffer DrawScrollArrows(const Look& look, TSize size)
{
    return DrawStrip(size, 6, [&](int i, TSize frame) {
        return ArrowFrame(look, i < 3 ? Direction::Up : Direction::Down, kArrowStates[i % 3], frame);
    });
}

PixelBuffer DrawScrollSlider(const Look& look, TSize size)
{
    // The whole slider is drawn once across the strip; its caps are no wider
    // than one piece, so the middle third is plain along its width.
    const int piece = size.cx / 3;
    ArtCanvas canvas(piece * 3, size.cy, look.Track);
    const double top = kSliderMargin;
    const double bottom = size.cy - kSliderMargin;
    const double radius = std::min({double(piece), (bottom - top) / 2, double(std::max(look.Radius, 2))});
    PaintFace(canvas, TintedFacePaint(look, look.Thumb, FaceState::Normal), FaceState::Normal,
              {0, top, double(piece * 3), bottom, radius});
    PixelBuffer strip = canvas.Take();
    if (strip.Width() != size.cx) strip.Resize(size.cx, size.cy, PixelFromRGB(look.Track));
    return strip;
}

PixelBuffer DrawScrollButtons(const Look& look, TSize size)
{
    return DrawStrip(size, 4, [&](int i, TSize frame) {
        return ArrowFrame(look, kButtonDirections[i], FaceState::Normal, frame);
    });
}
