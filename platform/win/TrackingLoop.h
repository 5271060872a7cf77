#pragma once
// What the modal tracking loops (move/size, scroll-bar tracking) share: the
// next message while the mouse button is held, dispatching stays theirs.

#include "platform/win/WinTypes.h"

namespace win {

// The next message for a loop that holds the capture in hwnd. False when the
// loop must end: WM_QUIT (posted again for the outer loop), hwnd gone, the
// capture taken away, or the button released where the loop could not see it.
[[nodiscard]] bool NextTrackingMessage(HWND hwnd, MSG& msg);

}  // namespace win
