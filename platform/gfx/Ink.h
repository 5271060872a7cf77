#pragma once
// What a run of pixels is painted with: a solid colour, a hatch or a tiled
// pattern picture, mixed into the target by a pen mode. Hatches and patterns
// are aligned to the brush origin in device pixels.

#include "platform/gfx/PenBrush.h"
#include "platform/gfx/RasterOp.h"

#include <optional>

class Ink {
public:
    // The background that shows in the gaps of hatches (and dashed pens).
    struct Background {
        TColor Color = clWhite;
        int Mode = OPAQUE;
    };

    static constexpr int kHatchSize = 8;  // pixels

    Ink() = default;
    [[nodiscard]] static Ink Solid(TColor color, TPenMode mode);
    [[nodiscard]] static Ink FromBrush(const Brush& brush, const Background& bk, TPoint brushOrg, TPenMode mode);

    // False when nothing would be painted (clear brushes, pmNop).
    [[nodiscard]] bool IsVisible() const;
    // Paints [left, right) of row y; row points at the row's first pixel.
    void Paint(TPixel* row, int y, int left, int right) const;
    // The pixel to mix in at device position (x, y), or nothing where a
    // transparent hatch gap lets the target show.
    [[nodiscard]] std::optional<TPixel> Sample(int x, int y) const;
    // A solid colour: Sample gives the same pixel everywhere.
    [[nodiscard]] bool IsUniform() const { return m_kind == Kind::Solid; }

private:
    enum class Kind { None, Solid, Hatch, Pattern };

    Kind m_kind = Kind::None;
    TPixel m_fore = kOpaque;
    TPixel m_back = kOpaque;
    bool m_backOpaque = true;
    TBrushStyle m_hatch = bsSolid;
    std::shared_ptr<const PixelBuffer> m_pattern;
    TPoint m_origin;
    TPenMode m_mode = pmCopy;
};
