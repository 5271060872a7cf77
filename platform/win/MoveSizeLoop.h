#pragma once
// The move and size loop: after a press on the caption or a sizing edge the
// window follows the pointer until the button is released (Escape puts it
// back where it started). Our own loop, so it works for borderless windows
// without any window manager.

#include "platform/win/WinTypes.h"

namespace win {

enum class MoveSizeMode { Move, Size };

// edge: WMSZ_* for Size. start: where the press happened (screen).
void RunMoveSizeLoop(HWND hwnd, MoveSizeMode mode, WPARAM edge, TPoint start);

}  // namespace win
