#pragma once
// Messages of edit controls, with their classic numbers. Positions in them
// count code points, a line break counting one; "lines" of the scrolling
// messages are the rows shown, so a wrapped line counts as several.

#include "platform/win/WinTypes.h"

enum : UINT {
    EM_GETSEL = 0x00B0,               // -> MAKELONG(start, end); wParam, lParam: DWORD* for them, or 0
    EM_SETSEL = 0x00B1,               // wParam anchor, lParam caret; anchor -1: no selection; caret -1: the end
    EM_LINESCROLL = 0x00B6,           // wParam characters right, lParam rows down (negative: back)
    EM_SCROLLCARET = 0x00B7,          // scrolls the caret into view
    EM_GETMODIFY = 0x00B8,            // -> whether the user changed the text
    EM_SETMODIFY = 0x00B9,            // wParam: the flag
    EM_GETLINECOUNT = 0x00BA,         // -> rows (at least one)
    EM_REPLACESEL = 0x00C2,           // lParam: const std::string*; wParam: whether undo can take it back
    EM_LIMITTEXT = 0x00C5,            // wParam: the most code points the user may enter (0: no limit)
    EM_CANUNDO = 0x00C6,              // -> whether EM_UNDO can do anything
    EM_UNDO = 0x00C7,
    EM_EMPTYUNDOBUFFER = 0x00CD,
    EM_GETFIRSTVISIBLELINE = 0x00CE,  // -> the first row shown
    EM_SETREADONLY = 0x00CF,          // wParam: the flag
    EM_GETLIMITTEXT = 0x00D5,
};
