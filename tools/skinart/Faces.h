#pragma once
// Raised faces: the rounded, shaded plates that buttons, arrows, sliders and
// tabs are made of, in the four states a control shows.

#include "tools/skinart/ArtCanvas.h"
#include "tools/skinart/Look.h"

enum class FaceState { Normal, Hot, Pressed, Disabled };

// A face's outline box in picture coordinates and its corner radius.
struct FaceBox {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
    double Radius = 0;
};

// What a face is painted with: its base colour, its outline and its shading.
struct FacePaint {
    TColor Base = clSilver;
    TColor Edge = clGray;
    Finish Shading = Finish::Soft;
};

// The look's button face in a state: hot leans towards the accent, pressed
// deeper still, disabled fades into the background.
[[nodiscard]] FacePaint ButtonFacePaint(const Look& look, FaceState state);
// Any colour as a face in a state (sliders, knobs).
[[nodiscard]] FacePaint TintedFacePaint(const Look& look, TColor base, FaceState state);

// The colours down a face's inside, from top to bottom.
[[nodiscard]] Gradient FaceShade(const FacePaint& paint, FaceState state, double top, double bottom);

// Draws a face: a one-pixel outline in the edge colour and the shaded inside.
void PaintFace(ArtCanvas& canvas, const FacePaint& paint, FaceState state, const FaceBox& box);
