#pragma once
// The one routine that moves, sizes, stacks, shows and hides windows. Every
// public call that changes a window's place goes through it, so the message
// order (WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, activation, WM_WINDOWPOSCHANGED)
// and the repainting are the same for all of them.

#include "platform/win/WinTypes.h"

namespace win {

// Flags of our own beside the public SWP_* ones, numbered as classically where a number exists.
enum : UINT {
    SWP_NOCLIENTSIZE = 0x0800,  // in WM_WINDOWPOSCHANGED: the client size stayed (no WM_SIZE)
    SWP_NOCLIENTMOVE = 0x1000,  // in WM_WINDOWPOSCHANGED: the client origin stayed (no WM_MOVE)
    SWP_STATECHANGED = 0x8000,  // the show state changed: WM_SIZE goes out even at the same size
    SWP_FROMDESKTOP = 0x00010000,  // the desktop made the change: do not tell the backend back
};

// x, y in parent client coordinates (screen for top-level windows).
bool PositionWindow(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

}  // namespace win
