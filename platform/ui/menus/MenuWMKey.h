#pragma once
// A key message as menus and forms see it when they look for shortcuts.

#include "platform/win/WinTypes.h"

struct TWMKey {
    UINT Msg = 0;
    WORD CharCode = 0;  // the virtual key
    LPARAM KeyData = 0;
};
