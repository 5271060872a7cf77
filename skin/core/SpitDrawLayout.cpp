#include "skin/core/SpitDrawLayout.h"

#include <algorithm>

namespace {

enum class TKeepColumns : std::uint8_t { Left, Right };
enum class TKeepRows : std::uint8_t { Top, Bottom };

// The part of box, shrunk to width columns from the side kept.
TRect KeepColumns(TRect box, int width, TKeepColumns keep)
{
    if (keep == TKeepColumns::Left) box.Right = box.Left + width;
    else box.Left = box.Right - width;
    return box;
}

TRect KeepRows(TRect box, int height, TKeepRows keep)
{
    if (keep == TKeepRows::Top) box.Bottom = box.Top + height;
    else box.Top = box.Bottom - height;
    return box;
}

struct TCornerCut {
    TRect Source;      // the corner's box in the face
    TRect TargetBox;   // the matching box of the target, which limits the size
    TKeepColumns Columns;
    TKeepRows Rows;
};

// The corner's placement, or nullopt when it comes out empty. at(cw, ch)
// gives the top-left it is drawn at.
template <class At>
std::optional<TSpitPlacement> PlaceCorner(const TCornerCut& cut, At at)
{
    const int cw = std::max(0, std::min(cut.Source.Width(), cut.TargetBox.Width()));
    const int ch = std::max(0, std::min(cut.Source.Height(), cut.TargetBox.Height()));
    if (cw == 0 || ch == 0) return std::nullopt;
    const TRect source = KeepRows(KeepColumns(cut.Source, cw, cut.Columns), ch, cut.Rows);
    const TPoint origin = at(cw, ch);
    return TSpitPlacement{source, Bounds(origin.X, origin.Y, cw, ch)};
}

// A stretched piece; nullopt when its target or (what is left of) its source is empty.
std::optional<TSpitPlacement> PlaceStretched(TRect source, const TRect& dest, TSize face)
{
    if (dest.IsEmpty()) return std::nullopt;
    // Tiny faces can put a box partly beyond the face; only real pixels are stretched.
    source = source.Intersected({0, 0, face.cx, face.cy});
    if (source.IsEmpty()) return std::nullopt;
    return TSpitPlacement{source, dest};
}

}  // namespace

TSpitDrawLayout SpitDrawLayout(TSize face, const TRect& rect)
{
    const int W = face.cx;
    const int H = face.cy;
    const int w = W / 2;
    const int h = H / 2;
    const int DW = rect.Right - rect.Left;
    const int DH = rect.Bottom - rect.Top;
    const int dw = DW / 2;
    const int dh = DH / 2;
    const int right = rect.Right;
    const int bottom = rect.Bottom;

    TSpitDrawLayout layout;
    auto& topLeft = layout[TSpitPiece::TopLeft];
    auto& bottomLeft = layout[TSpitPiece::BottomLeft];
    auto& topRight = layout[TSpitPiece::TopRight];
    auto& bottomRight = layout[TSpitPiece::BottomRight];

    topLeft = PlaceCorner({{0, 0, w, h}, {0, 0, dw, dh}, TKeepColumns::Left, TKeepRows::Top},
                          [](int, int) { return TPoint{0, 0}; });
    bottomLeft = PlaceCorner({{0, H - h + 1, w, H}, {0, DH - dh + 1, dw, DH}, TKeepColumns::Left, TKeepRows::Bottom},
                             [bottom](int, int ch) { return TPoint{0, bottom - ch}; });
    topRight = PlaceCorner({{W - w + 1, 0, W, h}, {DW - dw + 1, 0, DW, dh}, TKeepColumns::Right, TKeepRows::Top},
                           [right](int cw, int) { return TPoint{right - cw, 0}; });
    bottomRight = PlaceCorner(
        {{W - w + 1, H - h + 1, W, H}, {DW - dw + 1, DH - dh + 1, DW, DH}, TKeepColumns::Right, TKeepRows::Bottom},
        [right, bottom](int cw, int ch) { return TPoint{right - cw, bottom - ch}; });

    // The corners as placed; an empty one is a zero-size rectangle at its corner.
    const TRect TL = topLeft ? topLeft->Dest : TRect{0, 0, 0, 0};
    const TRect BL = bottomLeft ? bottomLeft->Dest : TRect{0, bottom, 0, bottom};
    const TRect TR = topRight ? topRight->Dest : TRect{right, 0, right, 0};
    const TRect BR = bottomRight ? bottomRight->Dest : TRect{right, bottom, right, bottom};

    const TRect leftDest{0, TL.Bottom, TL.Right, BL.Top};
    const TRect rightDest{TR.Left, TR.Bottom, TR.Right, BR.Top};
    const TRect topDest{TL.Right, 0, TR.Left, TL.Bottom};
    const TRect centreDest{TL.Right, TL.Bottom, TR.Left, BR.Top - 1};
    const TRect bottomDest{TL.Right - 1, BL.Top - 1, BR.Left, BR.Bottom};

    // Edges take no more of the face across than their target is wide or high.
    auto keepColumns = [](TRect source, const TRect& dest, TKeepColumns keep) {
        return dest.Width() < source.Width() ? KeepColumns(source, std::max(0, dest.Width()), keep) : source;
    };
    auto keepRows = [](TRect source, const TRect& dest, TKeepRows keep) {
        return dest.Height() < source.Height() ? KeepRows(source, std::max(0, dest.Height()), keep) : source;
    };

    layout[TSpitPiece::LeftEdge] =
        PlaceStretched(keepColumns({0, h, w, H - h}, leftDest, TKeepColumns::Left), leftDest, face);
    layout[TSpitPiece::RightEdge] =
        PlaceStretched(keepColumns({W - w + 1, H - h, W, h + 2}, rightDest, TKeepColumns::Right), rightDest, face);
    layout[TSpitPiece::TopEdge] =
        PlaceStretched(keepRows({w, 0, W - w + 1, h}, topDest, TKeepRows::Top), topDest, face);
    layout[TSpitPiece::Centre] = PlaceStretched({w, h, W - w + 1, H - h}, centreDest, face);
    layout[TSpitPiece::BottomEdge] =
        PlaceStretched(keepRows({w, H - h, W - w + 1, H}, bottomDest, TKeepRows::Bottom), bottomDest, face);
    return layout;
}
