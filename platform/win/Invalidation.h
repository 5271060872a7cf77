#pragma once
// Update regions: what RedrawWindow, InvalidateRect and the window-position
// code mark as needing paint, and painting it at once (RDW_UPDATENOW).

#include "platform/gfx/Region.h"
#include "platform/win/WinTypes.h"

namespace win {

// The core of RedrawWindow. area is in the window's client coordinates
// (nullptr: the whole client area). Children are included as RDW_ALLCHILDREN
// and RDW_NOCHILDREN say, else unless the window clips its children.
void RedrawArea(HWND hwnd, const Region* area, UINT flags);
// Sends WM_NCPAINT and WM_ERASEBKGND now where they are pending, and WM_PAINT too with paint set.
void UpdateNow(HWND hwnd, UINT flags);
// WM_ERASEBKGND now, over the update region, if an erase is pending.
void EraseNow(HWND hwnd);

}  // namespace win
