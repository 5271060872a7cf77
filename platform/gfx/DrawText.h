#pragma once
// The classic DrawText into a pixel buffer: aligned, wrapped, prefixed text
// in a rectangle. See DrawTextLayout.h for how lines are made.

#include "platform/core/Rect.h"
#include "platform/gfx/DrawTextFlags.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/gfx/TextRenderer.h"

#include <string_view>

class Font;

struct DrawTextResult {
    // The classic return value: the height of the text, or with
    // DT_SINGLELINE and DT_VCENTER or DT_BOTTOM the offset from rect's top
    // to the bottom of the drawn text.
    int Height = 0;
    // With DT_CALCRECT the rectangle the text needs (width shrinks or grows
    // to the widest line, height to all lines); otherwise rect unchanged.
    TRect Rect;
};

// With DT_CALCRECT nothing is drawn. Drawing is clipped to clip, and also
// to rect unless DT_NOCLIP is given.
DrawTextResult DrawText(PixelBuffer& buffer, std::string_view text, const TRect& rect, unsigned format,
                        const Font& font, const TextPaint& paint, const TRect& clip);
