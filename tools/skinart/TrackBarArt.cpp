#include "tools/skinart/TrackBarArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Faces.h"
#include "tools/skinart/Look.h"

#include <algorithm>

namespace {

constexpr double kPointerDepth = 5;  // pixels of the pointer's tip below its body
constexpr double kGripRadius = 4;    // pixels, at most

[[nodiscard]] Shape Pointer(double w, double h, double inset)
{
    const double body = h - kPointerDepth - 1;
    return Shape::RoundBox(inset, inset, w - inset, body, std::max(0.0, 2 - inset)) |
           Shape::Polygon({{inset, body - 1}, {w - inset, body - 1}, {w / 2, h - inset * 1.6}});
}

}  // namespace

PixelBuffer DrawTrackBar(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double w = size.cx;
    const double h = size.cy;
    canvas.Fill(Shape::RoundBox(0, 0, w, h, h / 2), Gradient::Solid(Darken(look.Background, 0.38)));
    canvas.Fill(Shape::RoundBox(1, 1, w - 1, h - 1, h / 2 - 1),
                Gradient::Linear(1, Darken(look.Background, 0.16), h - 1, Lighten(look.Background, 0.6)));
    canvas.SetCorners(canvas.Bounds(), look.Background);
    return canvas.Take();
}

PixelBuffer DrawTrackSlider(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double w = size.cx;
    const double h = size.cy;
    const FacePaint paint = TintedFacePaint(look, look.Thumb, FaceState::Normal);
    canvas.Fill(Pointer(w, h, 0), Gradient::Solid(paint.Edge));
    canvas.Fill(Pointer(w, h, 1), FaceShade(paint, FaceState::Normal, 1, h - 1));
    return canvas.Take();
}

PixelBuffer DrawTrackSliderV(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double w = size.cx;
    const double h = size.cy;
    const FacePaint paint = TintedFacePaint(look, look.Thumb, FaceState::Normal);
    PaintFace(canvas, paint, FaceState::Normal, {0, 0, w, h, std::min(kGripRadius, double(look.Radius) + 1)});
    // Three short grip lines across the middle.
    const int cx = size.cx / 2;
    for (int dx : {-2, 0, 2}) {
        canvas.FillRect({cx + dx, 3, cx + dx + 1, size.cy - 3}, Gradient::Solid(Lighten(paint.Base, 0.55)));
    }
    canvas.SetCorners(canvas.Bounds(), look.Background);
    return canvas.Take();
}
