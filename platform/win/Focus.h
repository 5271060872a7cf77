#pragma once
// The keyboard focus inside the window system.

#include "platform/win/WinTypes.h"

namespace win {

enum class FocusFallback { Parent, Nobody };

// The focus leaves hwnd and its descendants (hwnd hidden or going away).
void MoveFocusOutOf(HWND hwnd, FocusFallback fallback = FocusFallback::Parent);
// Sets the focus without activating hwnd's top-level window first.
HWND ChangeFocus(HWND hwnd);

}  // namespace win
