// DefWindowProc's mouse and activation handling: cursors, click activation,
// focus on activation, context menus and the wheel handed up to the parent.

#include "platform/win/Activation.h"
#include "platform/win/DefWindowHandlers.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win::def {

namespace {

bool IsButtonDown(UINT mouseMessage)
{
    return mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN || mouseMessage == WM_MBUTTONDOWN;
}

HCURSOR Standard(int id)
{
    return LoadCursor(nullptr, id);
}

HCURSOR SizingCursor(int hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return Standard(IDC_SIZEWE);
    case HTTOP:
    case HTBOTTOM:
        return Standard(IDC_SIZENS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Standard(IDC_SIZENWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Standard(IDC_SIZENESW);
    default:
        return nullptr;
    }
}

}  // namespace

LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const Window* w = LookUp(hwnd);
    // The parent has the first say.
    if (!w->IsTopLevel() && SendMessage(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
    if (!(w = LookUp(hwnd))) return FALSE;
    const int hit = short(LOWORD(WPARAM(lParam)));
    if (hit == HTERROR) {
        if (IsButtonDown(HIWORD(WPARAM(lParam)))) MessageBeep(0);
        SetCursor(Standard(IDC_ARROW));
        return TRUE;
    }
    if (hit == HTCLIENT) {
        if (!w->windowClass.hCursor) return FALSE;
        SetCursor(w->windowClass.hCursor);
        return TRUE;
    }
    const HCURSOR sizing = SizingCursor(hit);
    SetCursor(sizing ? sizing : Standard(IDC_ARROW));
    return TRUE;
}

LRESULT OnMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const Window* w = LookUp(hwnd);
    if (!w->IsTopLevel()) {
        if (const LRESULT r = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam)) return r;
        if (!(w = LookUp(hwnd))) return MA_NOACTIVATE;
    }
    return CanActivate(RootOf(*w)) ? MA_ACTIVATE : MA_NOACTIVATE;
}

LRESULT OnActivate(HWND hwnd, WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd)) SetFocus(hwnd);
    return 0;
}

// The classic right-click: the release asks for a context menu at the pointer.
LRESULT OnRButtonUp(HWND hwnd, LPARAM lParam)
{
    POINT p = LParamToPoint(lParam);
    ClientToScreen(hwnd, p);
    SendMessage(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), PointToLParam(p));
    return 0;
}

LRESULT OnCancelMode(HWND hwnd)
{
    if (GetCapture() == hwnd) ReleaseCapture();
    return 0;
}

LRESULT PassToParent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const Window* w = LookUp(hwnd);
    if (w->IsTopLevel()) return 0;
    return SendMessage(w->parent, msg, wParam, lParam);
}

}  // namespace win::def
