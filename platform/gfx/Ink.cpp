#include "platform/gfx/Ink.h"

#include <algorithm>

namespace {

// The cell of a tile of the given size that device position v falls in, for
// a tile starting at origin.
int Wrap(int v, int origin, int size)
{
    const std::int64_t m = (std::int64_t(v) - origin) % size;
    return int(m < 0 ? m + size : m);
}

// Whether the hatch line passes through cell (x, y) of the 8 x 8 tile.
bool HatchBit(TBrushStyle style, int x, int y)
{
    constexpr int kLast = Ink::kHatchSize - 1;
    switch (style) {
    case bsHorizontal: return y == 0;
    case bsVertical: return x == 0;
    case bsFDiagonal: return x == y;
    case bsBDiagonal: return x + y == kLast;
    case bsCross: return x == 0 || y == 0;
    case bsDiagCross: return x == y || x + y == kLast;
    default: return true;
    }
}

}  // namespace

Ink Ink::Solid(TColor color, TPenMode mode)
{
    Ink ink;
    ink.m_kind = Kind::Solid;
    ink.m_fore = PixelFromColor(color);
    ink.m_mode = mode;
    return ink;
}

Ink Ink::FromBrush(const Brush& brush, const Background& bk, TPoint brushOrg, TPenMode mode)
{
    Ink ink = Solid(brush.Color, mode);
    ink.m_origin = brushOrg;
    ink.m_back = PixelFromColor(bk.Color);
    ink.m_backOpaque = bk.Mode != TRANSPARENT;
    if (brush.Style == bsClear) {
        ink.m_kind = Kind::None;
    } else if (brush.Pattern) {
        ink.m_kind = brush.Pattern->IsEmpty() ? Kind::None : Kind::Pattern;
        ink.m_pattern = brush.Pattern;
    } else if (brush.Style != bsSolid) {
        ink.m_kind = Kind::Hatch;
        ink.m_hatch = brush.Style;
    }
    return ink;
}

bool Ink::IsVisible() const { return m_kind != Kind::None && m_mode != pmNop; }

std::optional<TPixel> Ink::Sample(int x, int y) const
{
    switch (m_kind) {
    case Kind::Solid: return m_fore;
    case Kind::Hatch:
        if (HatchBit(m_hatch, Wrap(x, m_origin.X, kHatchSize), Wrap(y, m_origin.Y, kHatchSize))) return m_fore;
        if (m_backOpaque) return m_back;
        return std::nullopt;
    case Kind::Pattern: {
        const PixelBuffer& p = *m_pattern;
        return kOpaque | p.At(Wrap(x, m_origin.X, p.Width()), Wrap(y, m_origin.Y, p.Height()));
    }
    case Kind::None: break;
    }
    return std::nullopt;
}

void Ink::Paint(TPixel* row, int y, int left, int right) const
{
    if (!IsVisible()) return;
    if (m_kind == Kind::Solid) {
        if (m_mode == pmCopy)
            std::fill(row + left, row + right, m_fore);
        else
            for (int x = left; x < right; ++x) row[x] = ApplyPenMode(m_mode, m_fore, row[x]);
        return;
    }
    for (int x = left; x < right; ++x)
        if (const auto p = Sample(x, y)) row[x] = m_mode == pmCopy ? *p : ApplyPenMode(m_mode, *p, row[x]);
}
