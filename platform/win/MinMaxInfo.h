#pragma once
// The limits of a window's size and its maximised place: defaults from the
// work area (the parent's client area for child windows), then whatever the
// window says to WM_GETMINMAXINFO.

#include "platform/win/WinTypes.h"

namespace win {

[[nodiscard]] MINMAXINFO QueryMinMaxInfo(HWND hwnd);
// A size within the track-size limits.
[[nodiscard]] TSize ClampToTrackSize(TSize size, const MINMAXINFO& mmi);

}  // namespace win
