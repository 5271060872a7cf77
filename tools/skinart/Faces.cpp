#include "tools/skinart/Faces.h"

#include "tools/skinart/ArtColor.h"

#include <algorithm>

namespace {

constexpr double kHotTint = 0.20;       // share of accent in a hot face
constexpr double kPressedTint = 0.42;   // share of accent in a pressed face
constexpr double kPressedShade = 0.04;  // darkening of a pressed face
constexpr double kDisabledFaceFade = 0.55;  // share of background in a disabled face

}  // namespace

FacePaint ButtonFacePaint(const Look& look, FaceState state)
{
    return TintedFacePaint(look, look.Face, state);
}

FacePaint TintedFacePaint(const Look& look, TColor base, FaceState state)
{
    FacePaint paint{base, look.Edge, look.Shading};
    switch (state) {
    case FaceState::Normal: break;
    case FaceState::Hot:
        paint.Base = Lighten(Mix(base, look.Accent, kHotTint), 0.15);
        paint.Edge = Mix(look.Edge, look.Accent, 0.5);
        break;
    case FaceState::Pressed:
        paint.Base = Darken(Mix(base, look.Accent, kPressedTint), kPressedShade);
        paint.Edge = Darken(look.Edge, 0.2);
        break;
    case FaceState::Disabled:
        paint.Base = Desaturate(Mix(base, look.Background, kDisabledFaceFade), 0.6);
        paint.Edge = Desaturate(Mix(look.Edge, look.Background, kDisabledFaceFade), 0.6);
        break;
    }
    return paint;
}

Gradient FaceShade(const FacePaint& paint, FaceState state, double top, double bottom)
{
    const TColor base = paint.Base;
    const double middle = (top + bottom) / 2;
    switch (paint.Shading) {
    case Finish::Flat: return Gradient::Solid(base);
    case Finish::Soft:
        // A pressed face is lit from below, as if pushed in.
        if (state == FaceState::Pressed) return Gradient::Linear(top, Darken(base, 0.06), bottom, Lighten(base, 0.30));
        return Gradient::Linear(top, Lighten(base, 0.72), bottom, Darken(base, 0.04));
    case Finish::Glass:
        if (state == FaceState::Pressed) {
            return Gradient({{top, Lighten(base, 0.35)}, {middle, Lighten(base, 0.15)}, {middle, Darken(base, 0.12)},
                             {bottom, Lighten(base, 0.10)}});
        }
        return Gradient({{top, Lighten(base, 0.85)}, {middle, Lighten(base, 0.45)}, {middle, base},
                         {bottom, Lighten(base, 0.35)}});
    }
    return Gradient::Solid(base);
}

void PaintFace(ArtCanvas& canvas, const FacePaint& paint, FaceState state, const FaceBox& box)
{
    canvas.Fill(Shape::RoundBox(box.Left, box.Top, box.Right, box.Bottom, box.Radius), Gradient::Solid(paint.Edge));
    const double inner = std::max(0.0, box.Radius - 1);
    canvas.Fill(Shape::RoundBox(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1, inner),
                FaceShade(paint, state, box.Top + 1, box.Bottom - 1));
}
