// ShowWindow, show states, enabling and the state queries.

#include "platform/win/WindowState.h"

#include "platform/win/Activation.h"
#include "platform/win/MinMaxInfo.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

constexpr UINT kInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;

void AnnounceShow(HWND hwnd, bool wasVisible)
{
    if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
}

// Shows the window as it is; activation follows SetWindowPos.
void ShowAsIs(HWND hwnd, bool activate)
{
    const Window* w = LookUp(hwnd);
    if (w->style & WS_VISIBLE) return;
    SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = LookUp(hwnd))) return;
    UINT flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
    if (!activate || !w->IsTopLevel()) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    PositionWindow(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
}

void Hide(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    w->hiddenWithOwner = false;  // hidden on purpose: it no longer comes back with its owner
    if (!(w->style & WS_VISIBLE)) return;
    SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
    PositionWindow(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | kInPlace | SWP_NOACTIVATE);
}

}  // namespace

void MinimizeWindow(HWND hwnd, StateOrigin origin)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (!(w->style & WS_MINIMIZE)) {
        w->restoreToMaximized = (w->style & WS_MAXIMIZE) != 0;
        if (!w->restoreToMaximized) w->restoreRect = w->rect;
        w->style = (w->style | WS_MINIMIZE) & ~DWORD(WS_MAXIMIZE);
        if (w->IsTopLevel() && origin == StateOrigin::Program) Sys().backend->SetNativeMinimized(hwnd, true);
    }
    AnnounceShow(hwnd, wasVisible);
    PositionWindow(hwnd, nullptr, 0, 0, 0, 0, kInPlace | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_STATECHANGED);
    ShowOwnedPopups(hwnd, false);
    if (Sys().input.active == hwnd) ActivateOtherWindow(hwnd);
}

void MaximizeWindow(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const MINMAXINFO mmi = QueryMinMaxInfo(hwnd);
    if (!(w = LookUp(hwnd))) return;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->restoreRect = w->rect;
    if ((w->style & WS_MINIMIZE) && w->IsTopLevel()) Sys().backend->SetNativeMinimized(hwnd, false);
    w->style = (w->style | WS_MAXIMIZE) & ~DWORD(WS_MINIMIZE);
    AnnounceShow(hwnd, wasVisible);
    PositionWindow(hwnd, HWND_TOP, mmi.ptMaxPosition.X, mmi.ptMaxPosition.Y, mmi.ptMaxSize.X, mmi.ptMaxSize.Y,
                   SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_STATECHANGED);
}

void RestoreWindow(HWND hwnd, bool activate, StateOrigin origin)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const UINT activation = activate ? 0u : UINT(SWP_NOACTIVATE | SWP_NOZORDER);
    if (w->style & WS_MINIMIZE) {
        w->style &= ~DWORD(WS_MINIMIZE);
        if (w->restoreToMaximized) w->style |= WS_MAXIMIZE;
        if (w->IsTopLevel() && origin == StateOrigin::Program) Sys().backend->SetNativeMinimized(hwnd, false);
        AnnounceShow(hwnd, wasVisible);
        PositionWindow(hwnd, HWND_TOP, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_STATECHANGED | activation);
        ShowOwnedPopups(hwnd, true);
    } else if (w->style & WS_MAXIMIZE) {
        w->style &= ~DWORD(WS_MAXIMIZE);
        const TRect r = w->restoreRect;
        AnnounceShow(hwnd, wasVisible);
        PositionWindow(hwnd, HWND_TOP, r.Left, r.Top, r.Width(), r.Height(),
                       SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_STATECHANGED | activation);
    } else {
        ShowAsIs(hwnd, activate);
    }
}

}  // namespace win

using namespace win;

bool ShowWindow(HWND hwnd, int showCommand)
{
    const Window* w = LookUp(hwnd);
    if (!w) return false;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    switch (showCommand) {
    case SW_HIDE:
        Hide(hwnd);
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        MinimizeWindow(hwnd, StateOrigin::Program);
        break;
    case SW_SHOWMAXIMIZED:
        MaximizeWindow(hwnd);
        break;
    case SW_SHOW:
        ShowAsIs(hwnd, true);
        break;
    case SW_SHOWNA:
        ShowAsIs(hwnd, false);
        break;
    case SW_SHOWNOACTIVATE:
        RestoreWindow(hwnd, false, StateOrigin::Program);
        break;
    default:  // SW_SHOWNORMAL, SW_RESTORE, SW_SHOWDEFAULT
        RestoreWindow(hwnd, true, StateOrigin::Program);
        break;
    }
    return wasVisible;
}

bool IsWindowVisible(HWND hwnd)
{
    if (IsDesktop(hwnd)) return true;
    const Window* w = LookUp(hwnd);
    return w && IsShownChain(*w);
}

bool EnableWindow(HWND hwnd, bool enable)
{
    Window* w = LookUp(hwnd);
    if (!w) return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled != enable) return wasDisabled;
    if (enable) {
        w->style &= ~DWORD(WS_DISABLED);
    } else {
        SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        if (!(w = LookUp(hwnd))) return wasDisabled;
        w->style |= WS_DISABLED;
        // A disabled window can hold neither the focus nor the pointer.
        if (IsSelfOrDescendant(hwnd, Sys().input.focus)) SetFocus(nullptr);
        if (Sys().input.capture == hwnd) ReleaseCapture();
    }
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND hwnd)
{
    if (IsDesktop(hwnd)) return true;
    const Window* w = LookUp(hwnd);
    return w && !(w->style & WS_DISABLED);
}

bool IsIconic(HWND hwnd)
{
    const Window* w = LookUp(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

bool IsZoomed(HWND hwnd)
{
    const Window* w = LookUp(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}
