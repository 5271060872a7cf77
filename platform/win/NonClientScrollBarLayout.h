#pragma once
// The geometry of a scroll bar as one pure function of its SCROLLINFO and
// its rectangle. Painting, hit testing, tracking and GetScrollBarInfo all
// use it, so what is drawn is what is clicked.
//
//   | ^ |  pageUp  | thumb |  pageDown  | v |
//   lineUp        (track between the arrows)   lineDown

#include "platform/win/ScrollBarState.h"

namespace win {

enum class ScrollBarKind { Vertical, Horizontal };

struct ScrollBarLayout {
    TRect bar;
    ScrollBarKind kind = ScrollBarKind::Vertical;
    int arrowSize = 0;  // along the bar; arrows are square while the bar is long enough
    TRect lineUp;
    TRect lineDown;
    TRect track;
    TRect thumb;     // empty when there is nothing to scroll or no room
    TRect pageUp;    // the track before the thumb
    TRect pageDown;  // the track after the thumb
};

// Whether the range is wider than the page.
[[nodiscard]] bool NeedsScrolling(const SCROLLINFO& info);
// The largest position: nMax - max(nPage, 1) + 1, not below nMin.
[[nodiscard]] int MaxScrollPos(const SCROLLINFO& info);
// enabled false: no thumb, as for a bar with nothing to scroll.
[[nodiscard]] ScrollBarLayout LayoutScrollBar(const SCROLLINFO& info, const TRect& bar, ScrollBarKind kind,
                                              bool enabled);
[[nodiscard]] ScrollBarPart HitScrollBar(const ScrollBarLayout& layout, TPoint p);
// The position whose thumb would start at thumbStart (along the bar), clamped to the range.
[[nodiscard]] int PositionForThumbAt(const ScrollBarLayout& layout, const SCROLLINFO& info, int thumbStart);
// Where the thumb starts along the bar (its top or left).
[[nodiscard]] int ThumbStart(const ScrollBarLayout& layout);

}  // namespace win
