#pragma once
// The state of one standard (non-client) scroll bar of a window.

#include "platform/win/WinTypes.h"

namespace win {

// The parts of a scroll bar, in the order of SCROLLBARINFO::rgstate[1..5].
enum class ScrollBarPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ScrollBarState {
    // nMin, nMax, nPage, nPos (kept clamped) and nTrackPos; classic defaults: range 0..100.
    SCROLLINFO info{28, 0, 0, 100, 0, 0, 0};
    UINT disabledArrows = 0;  // ESB_* bits: 1 left/up, 2 right/down
    bool tracking = false;    // the thumb is being dragged: nTrackPos is live
    ScrollBarPart pressed = ScrollBarPart::None;
};

}  // namespace win
