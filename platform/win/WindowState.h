#pragma once
// Show states: minimised, maximised, normal. ShowWindow, WM_SYSCOMMAND and
// the desktop's requests all change them here.

#include "platform/win/WinTypes.h"

namespace win {

enum class StateOrigin { Program, Desktop };  // Desktop: the backend already did it on its side

void MinimizeWindow(HWND hwnd, StateOrigin origin);
void MaximizeWindow(HWND hwnd);
// Back to the normal state (or from minimised to maximised, if it was maximised before).
void RestoreWindow(HWND hwnd, bool activate, StateOrigin origin);

}  // namespace win
