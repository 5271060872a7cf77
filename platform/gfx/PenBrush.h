#pragma once
// Pens and brushes as plain values. A painter holds one of each; the
// framework's TPen and TBrush fill them in.

#include "platform/core/Color.h"
#include "platform/gfx/PixelBuffer.h"

#include <memory>

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Background modes (SetBkMode): whether the gaps of dashed pens and hatches
// are painted with the background colour.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

struct Pen {
    static constexpr int kMaxWidth = 1024;  // pixels

    TColor Color = clBlack;
    // Width 0 draws one pixel wide, as the classic pens do. Dashed styles are
    // only dashed at width 1; wider dashed pens draw solid.
    int Width = 1;
    TPenStyle Style = psSolid;

    bool operator==(const Pen&) const = default;

    [[nodiscard]] int PixelWidth() const { return Width < 1 ? 1 : (Width > kMaxWidth ? kMaxWidth : Width); }
    [[nodiscard]] bool IsDashed() const
    {
        return PixelWidth() == 1 && (Style == psDash || Style == psDot || Style == psDashDot || Style == psDashDotDot);
    }
};

struct Brush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // A pattern brush: the picture is tiled from the brush origin. It takes
    // the place of the style unless the style is bsClear.
    std::shared_ptr<const PixelBuffer> Pattern = nullptr;

    bool operator==(const Brush&) const = default;
};
