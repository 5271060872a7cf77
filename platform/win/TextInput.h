#pragma once
// Where typed text goes on screen: the desktop's input method (for
// Chinese, its candidate window) shows itself at the caret of the window
// that takes the text. Text keeps arriving as WM_CHAR, one message per
// code point, whichever window has the focus.

#include "platform/win/WinTypes.h"

// caret is in hwnd's client coordinates. False for an invalid window.
bool SetTextInputRect(HWND hwnd, const RECT& caret);
