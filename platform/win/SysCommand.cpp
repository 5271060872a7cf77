// DefWindowProc's system commands and what leads to them: presses on the
// caption and sizing edges, double clicks on the caption, Alt+F4, the menu
// keys, and WM_CLOSE.

#include "platform/win/DefWindowHandlers.h"
#include "platform/win/MoveSizeLoop.h"
#include "platform/win/NonClientScrollBar.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win::def {

namespace {

constexpr WPARAM kCommandMask = 0xFFF0;
constexpr WPARAM kDetailMask = 0x000F;  // the system's own bits: HTCAPTION for moves, WMSZ_* for sizes

HWND RootWindow(HWND hwnd)
{
    return GetAncestorRoot(hwnd);
}

// Where the press that started a command happened: lParam, or the last message's position.
TPoint CommandPoint(LPARAM lParam)
{
    return lParam ? LParamToPoint(lParam) : GetMessagePos();
}

}  // namespace

LRESULT OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const WPARAM detail = wParam & kDetailMask;
    switch (wParam & kCommandMask) {
    case SC_MOVE:
        // FIXME: moving and sizing from the keyboard (no press behind the command) is not offered.
        if (detail) RunMoveSizeLoop(hwnd, MoveSizeMode::Move, 0, CommandPoint(lParam));
        break;
    case SC_SIZE:
        if (detail) RunMoveSizeLoop(hwnd, MoveSizeMode::Size, detail, CommandPoint(lParam));
        break;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        break;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        break;
    case SC_CLOSE:
        SendMessage(hwnd, WM_CLOSE, 0, 0);
        break;
    default:  // SC_KEYMENU belongs to the framework's menus
        break;
    }
    return 0;
}

LRESULT OnNcLButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const int hit = int(wParam);
    if (hit == HTCAPTION) {
        SendMessage(hwnd, WM_SYSCOMMAND, WPARAM(SC_MOVE) + HTCAPTION, lParam);
    } else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        SendMessage(hwnd, WM_SYSCOMMAND, WPARAM(SC_SIZE) + WPARAM(hit - HTLEFT) + WMSZ_LEFT, lParam);
    } else if (hit == HTGROWBOX) {
        SendMessage(hwnd, WM_SYSCOMMAND, WPARAM(SC_SIZE) + WMSZ_BOTTOMRIGHT, lParam);
    } else if (hit == HTVSCROLL || hit == HTHSCROLL) {
        TrackScrollBar(hwnd, hit == HTVSCROLL ? SB_VERT : SB_HORZ, LParamToPoint(lParam));
    }
    return 0;
}

LRESULT OnNcLButtonDblClk(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const Window* w = LookUp(hwnd);
    const int hit = int(wParam);
    if (hit == HTCAPTION && w->IsTopLevel() && (w->style & WS_MAXIMIZEBOX))
        SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
    // A double click on a scroll bar acts as another press on it.
    if (hit == HTVSCROLL || hit == HTHSCROLL) OnNcLButtonDown(hwnd, wParam, lParam);
    return 0;
}

LRESULT OnClose(HWND hwnd)
{
    DestroyWindow(hwnd);
    return 0;
}

// Alt+F4 closes the top-level window; Alt pressed alone (see OnSysKeyUp) opens the menu.
LRESULT OnKeyDown(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    InputState& in = Sys().input;
    const bool repeat = (lParam & KF_REPEAT_BIT) != 0;
    if (msg == WM_SYSKEYDOWN && wParam == VK_MENU) {
        if (!repeat) in.altAlone = true;
        return 0;
    }
    in.altAlone = false;
    if (msg == WM_SYSKEYDOWN && wParam == VK_F4 && (lParam & KF_ALTDOWN_BIT))
        SendMessage(RootWindow(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
}

LRESULT OnSysKeyUp(HWND hwnd, WPARAM wParam)
{
    InputState& in = Sys().input;
    const bool tapped = wParam == VK_MENU && in.altAlone;
    in.altAlone = false;
    if (tapped || wParam == VK_F10) SendMessage(RootWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

// Alt+letter: the menu bar looks for the letter.
LRESULT OnSysChar(HWND hwnd, WPARAM wParam)
{
    SendMessage(RootWindow(hwnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wParam));
    return 0;
}

}  // namespace win::def
