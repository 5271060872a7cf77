#pragma once
// Which window the pointer is over. Top-level windows are searched by
// z-order, then down their children by visibility, enabled state and shape;
// the window found answers WM_NCHITTEST, and HTTRANSPARENT hands the point
// on to the next window below.

#include "platform/win/WinTypes.h"

namespace win {

struct PointerTarget {
    HWND hwnd = nullptr;
    int hitCode = 0;       // HT*
    bool blocked = false;  // a disabled top-level window: input goes nowhere
};

// Asks the windows (WM_NCHITTEST).
[[nodiscard]] PointerTarget FindPointerTarget(TPoint screen);
// By geometry alone, without messages: the deepest shown, enabled window under the point.
[[nodiscard]] PointerTarget WindowAtPoint(TPoint screen);

}  // namespace win
