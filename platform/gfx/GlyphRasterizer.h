#pragma once
// Internal to platform/gfx: loads one glyph of a face at a pixel size and
// renders it to 8-bit coverage, hinted, with synthetic bold or italic for
// faces that lack the real style.

#include "platform/gfx/Glyph.h"

class FontFace;

struct GlyphSynthesis {
    bool Bold = false;    // widen strokes by one pixel and the advance with them
    bool Italic = false;  // slant the outline
};

// A glyph that cannot be loaded or rendered comes back empty.
[[nodiscard]] Glyph RasterizeGlyph(FontFace& face, unsigned index, int ppem, GlyphSynthesis synthesis);
