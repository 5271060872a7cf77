#pragma once
// Who gets input: capture, focus, activation, and what the pointer and keys
// did last (double clicks, leave tracking).

#include "platform/win/Backend.h"
#include "platform/win/KeyStateTable.h"
#include "platform/win/WinConst.h"

#include <cstdint>

namespace win {

// The last button press, for double clicks.
struct ClickRecord {
    HWND hwnd = nullptr;
    UINT downMessage = 0;  // WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, ...
    TPoint pos;            // screen
    std::uint32_t timeMs = 0;
};

// TrackMouseEvent(TME_LEAVE): the window told once when the pointer leaves it.
struct LeaveTracking {
    HWND hwnd = nullptr;
    bool nonClient = false;  // TME_NONCLIENT: WM_NCMOUSELEAVE when leaving the non-client area
};

// What the pointer was over at the last move.
struct HoverState {
    HWND hwnd = nullptr;
    int hitCode = HTNOWHERE;
};

struct InputState {
    HWND capture = nullptr;
    HWND focus = nullptr;
    HWND active = nullptr;
    bool appActive = false;  // the desktop gave one of our windows its focus
    KeyStateTable keys;       // as of the messages retrieved (GetKeyState)
    KeyStateTable asyncKeys;  // as of the events received (GetAsyncKeyState)
    // Modifier flags the last event carried: they count as held keys too.
    KeyModifiers modifiers;
    KeyModifiers asyncModifiers;
    ClickRecord lastClick;
    LeaveTracking tracking;
    HoverState hover;
    HCURSOR cursor = reinterpret_cast<HCURSOR>(std::intptr_t(IDC_ARROW));
    bool altAlone = false;  // Alt went down and no other key since (Alt tapped → SC_KEYMENU)
};

}  // namespace win
