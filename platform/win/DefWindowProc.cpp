// DefWindowProc: what a window does with a message its own procedure leaves
// alone. One switch; each case calls the handler of its area.

#include "platform/win/DefWindowHandlers.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

using namespace win;

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!LookUp(hwnd)) return 0;
    switch (msg) {
    case WM_NCCREATE: return def::OnNcCreate(hwnd, lParam);
    case WM_NCCALCSIZE: return def::OnNcCalcSize(hwnd, lParam);
    case WM_NCHITTEST: return def::OnNcHitTest(hwnd, lParam);
    case WM_NCPAINT: return def::OnNcPaint(hwnd, wParam);
    case WM_NCACTIVATE: return TRUE;
    case WM_PAINT: return def::OnPaint(hwnd, wParam);
    case WM_ERASEBKGND: return def::OnEraseBkgnd(hwnd, wParam);
    case WM_SETREDRAW: return def::OnSetRedraw(hwnd, wParam);
    case WM_SETCURSOR: return def::OnSetCursor(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE: return def::OnMouseActivate(hwnd, wParam, lParam);
    case WM_ACTIVATE: return def::OnActivate(hwnd, wParam);
    case WM_RBUTTONUP: return def::OnRButtonUp(hwnd, lParam);
    case WM_CANCELMODE: return def::OnCancelMode(hwnd);
    case WM_CONTEXTMENU: return def::PassToParent(hwnd, msg, wParam, lParam);
    case WM_MOUSEWHEEL: return def::PassToParent(hwnd, msg, wParam, lParam);
    case WM_SETTEXT: return def::OnSetText(hwnd, lParam);
    case WM_GETTEXT: return def::OnGetText(hwnd, wParam, lParam);
    case WM_GETTEXTLENGTH: return def::OnGetTextLength(hwnd);
    case WM_WINDOWPOSCHANGING: return def::OnWindowPosChanging(hwnd, lParam);
    case WM_WINDOWPOSCHANGED: return def::OnWindowPosChanged(hwnd, lParam);
    case WM_SYSCOMMAND: return def::OnSysCommand(hwnd, wParam, lParam);
    case WM_NCLBUTTONDOWN: return def::OnNcLButtonDown(hwnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK: return def::OnNcLButtonDblClk(hwnd, wParam, lParam);
    case WM_CLOSE: return def::OnClose(hwnd);
    case WM_KEYDOWN: return def::OnKeyDown(hwnd, msg, wParam, lParam);
    case WM_SYSKEYDOWN: return def::OnKeyDown(hwnd, msg, wParam, lParam);
    case WM_SYSKEYUP: return def::OnSysKeyUp(hwnd, wParam);
    case WM_SYSCHAR: return def::OnSysChar(hwnd, wParam);
    default: return 0;  // WM_GETDLGCODE, WM_HSCROLL, WM_VSCROLL, WM_GETMINMAXINFO, WM_SHOWWINDOW ...
    }
}
