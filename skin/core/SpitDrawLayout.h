#pragma once
// Where SpitDraw puts the nine pieces of a face: for each piece the box of
// the face it takes and the rectangle it covers. Corners are copied at
// their size (source and destination equally large); edges and the centre
// are stretched. A piece of zero size is absent.
//
// The face (W x H) is cut at w = W div 2 and h = H div 2; the right corners
// start one column after w and the bottom corners one row after h. Corners
// keep their natural size unless the target (half of it, by the same cuts)
// is smaller; then they keep their outer sides. The right and bottom pieces
// are placed against rect.Right and rect.Bottom, the others against (0, 0).
// A corner that comes out empty counts as a zero-size rectangle at its
// corner of the target, so the edges beside it start from there.

#include "platform/core/Rect.h"

#include <array>
#include <cstdint>
#include <optional>

// In drawing order, which decides overlaps.
enum class TSpitPiece : std::uint8_t {
    TopLeft,
    BottomLeft,
    LeftEdge,
    TopRight,
    BottomRight,
    RightEdge,
    TopEdge,
    Centre,
    BottomEdge,
};
inline constexpr int kSpitPieceCount = 9;

[[nodiscard]] constexpr bool IsCorner(TSpitPiece piece)
{
    return piece == TSpitPiece::TopLeft || piece == TSpitPiece::BottomLeft || piece == TSpitPiece::TopRight ||
           piece == TSpitPiece::BottomRight;
}

struct TSpitPlacement {
    TRect Source;  // in the face
    TRect Dest;    // in the target
    constexpr bool operator==(const TSpitPlacement&) const = default;
};

class TSpitDrawLayout {
public:
    [[nodiscard]] const std::optional<TSpitPlacement>& operator[](TSpitPiece piece) const
    {
        return m_pieces[std::size_t(piece)];
    }
    std::optional<TSpitPlacement>& operator[](TSpitPiece piece) { return m_pieces[std::size_t(piece)]; }

private:
    std::array<std::optional<TSpitPlacement>, kSpitPieceCount> m_pieces;
};

[[nodiscard]] TSpitDrawLayout SpitDrawLayout(TSize face, const TRect& rect);
