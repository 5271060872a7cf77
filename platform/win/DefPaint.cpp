// DefWindowProc's painting: validate on WM_PAINT, fill the class background
// on WM_ERASEBKGND, WM_SETREDRAW.

#include "platform/win/DefWindowHandlers.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win::def {

LRESULT OnPaint(HWND hwnd, WPARAM wParam)
{
    // A WM_PAINT that brings its own context (a parent painting into a
    // child's bitmap) has no update region to validate.
    if (wParam) return 0;
    PAINTSTRUCT ps;
    BeginPaint(hwnd, ps);
    EndPaint(hwnd, ps);
    return 0;
}

LRESULT OnEraseBkgnd(HWND hwnd, WPARAM wParam)
{
    const HBRUSH brush = LookUp(hwnd)->windowClass.hbrBackground;
    const HDC dc = reinterpret_cast<HDC>(wParam);
    if (!brush || !dc) return 0;
    RECT client;
    GetClientRect(hwnd, client);
    return FillRect(dc, client, brush) ? 1 : 0;
}

// Redrawing off hides the window from painting without telling anyone; on shows it again.
LRESULT OnSetRedraw(HWND hwnd, WPARAM wParam)
{
    Window* w = LookUp(hwnd);
    if (wParam)
        w->style |= WS_VISIBLE;
    else
        w->style &= ~DWORD(WS_VISIBLE);
    return 0;
}

}  // namespace win::def
