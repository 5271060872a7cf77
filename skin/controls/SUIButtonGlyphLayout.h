#pragma once
// Where a skinned push button puts its glyph and caption: one pure function
// used by both the glyph and the caption step, so they cannot drift apart.
// Halving truncates toward zero; a pressed button shifts the glyph by one
// pixel right and down, glyph and caption alike.

#include "platform/core/Rect.h"
#include "platform/ui/controls/ButtonLayout.h"

struct TGlyphLayoutInput {
    TSize Button;       // the button's width and height
    TSize Text;         // the caption's extent in the font
    TSize Glyph;        // one frame of the glyph
    TButtonLayout Layout = blGlyphLeft;
    int Spacing = 4;    // pixels between glyph and caption
    bool Pressed = false;
};

struct TGlyphPlacement {
    TPoint Glyph;  // top-left of the glyph
    TPoint Text;   // top-left of the caption
};

[[nodiscard]] TGlyphPlacement GlyphLayout(const TGlyphLayoutInput& in);

// A glyph twice as wide as high holds two frames: enabled, then disabled.
[[nodiscard]] constexpr bool HasDisabledFrame(TSize glyph)
{
    return glyph.cy > 0 && glyph.cx == 2 * glyph.cy;
}
