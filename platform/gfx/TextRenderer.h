#pragma once
// Drawing text into a pixel buffer. Glyph coverage is blended onto the
// pixels already there; everything is clipped to the caller's rectangle
// (a device context calls once per rectangle of its clip region).

#include "platform/core/Color.h"
#include "platform/core/Rect.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/TextRun.h"

#include <optional>
#include <string_view>

class Font;

struct TextPaint {
    TColor Color = clWindowText;
    std::optional<TColor> Background = std::nullopt;  // when set, the text cell is filled first (opaque mode)
};

// Draws a laid-out run with the top-left of its cell at origin, with the
// font's underline and strike-out and the run's accelerator underlines.
void DrawTextRun(PixelBuffer& buffer, TPoint origin, const TextRun& run, const Font& font, const TextPaint& paint,
                 const TRect& clip);

// Draws UTF-8 text with the top-left of its cell at origin, as the classic
// TextOut does with TA_TOP | TA_LEFT.
void TextOut(PixelBuffer& buffer, TPoint origin, std::string_view text, const Font& font, const TextPaint& paint,
             const TRect& clip);
