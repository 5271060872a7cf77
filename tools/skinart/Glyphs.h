#pragma once
// Small symbols drawn on buttons: arrows, chevrons, check marks and the
// caption-button symbols. Each is a figure fitted into a square box.

#include "tools/skinart/ArtCanvas.h"

enum class Direction { Up, Down, Left, Right };

// A glyph's box: left, top and side length in picture coordinates.
struct GlyphBox {
    double Left = 0;
    double Top = 0;
    double Side = 0;

    [[nodiscard]] double CentreX() const { return Left + Side / 2; }
    [[nodiscard]] double CentreY() const { return Top + Side / 2; }
};

// A square box of side centred in a w x h picture, on whole pixels.
[[nodiscard]] GlyphBox CentredGlyphBox(int width, int height, int side);

// A solid triangle pointing in the direction, as wide as the box and half as deep.
[[nodiscard]] Shape ArrowGlyph(const GlyphBox& box, Direction direction);
// An open chevron of the given stroke width.
[[nodiscard]] Shape ChevronGlyph(const GlyphBox& box, Direction direction, double width);
[[nodiscard]] Shape CheckGlyph(const GlyphBox& box, double width);
[[nodiscard]] Shape CrossGlyph(const GlyphBox& box, double width);

// The symbols of the caption buttons, in the order of the title-button strip.
enum class CaptionGlyph { ControlBox, Help, Maximise, Restore, Minimise, Close };

void DrawCaptionGlyph(ArtCanvas& canvas, CaptionGlyph glyph, const GlyphBox& box, TColor color);
