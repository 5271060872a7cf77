#pragma once
// Internal to platform/gfx: turns a requested height into a pixel size and
// the classic metrics of the main face at that size.

#include "platform/gfx/TextMetric.h"

class FontFace;

struct FontScale {
    static constexpr int kMaxPixelHeight = 512;  // pixels; larger requests are clamped

    int Ppem = 0;  // em size in pixels
    TTextMetric Metrics;
    FontDecorations Decorations;
};

// Height < 0 asks for an em size, height > 0 for a cell height and 0 for the
// default cell. Ascent and descent come from the OS/2 table's Windows
// metrics, as the classic desktop takes them, else from the face header.
[[nodiscard]] FontScale ScaleFont(const FontFace& face, int height);
