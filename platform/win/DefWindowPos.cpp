// DefWindowProc's WM_WINDOWPOSCHANGING (size limits of sizable windows) and
// WM_WINDOWPOSCHANGED (WM_MOVE and WM_SIZE when the client area moved or changed size).

#include "platform/win/DefWindowHandlers.h"
#include "platform/win/MinMaxInfo.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"

namespace win::def {

LRESULT OnWindowPosChanging(HWND hwnd, LPARAM lParam)
{
    auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
    const Window* w = LookUp(hwnd);
    if (!wp || (wp->flags & SWP_NOSIZE)) return 0;
    // Sizable and overlapped windows keep to their track sizes, as classically.
    const bool limited = (w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD));
    if (!limited || (w->style & (WS_MINIMIZE | WS_MAXIMIZE))) return 0;
    const TSize size = ClampToTrackSize({wp->cx, wp->cy}, QueryMinMaxInfo(hwnd));
    wp->cx = size.cx;
    wp->cy = size.cy;
    return 0;
}

LRESULT OnWindowPosChanged(HWND hwnd, LPARAM lParam)
{
    const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!wp) return 0;
    const Window* w = LookUp(hwnd);
    const TRect client = w->ClientInParent();
    if (!(wp->flags & SWP_NOCLIENTMOVE)) SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(WORD(client.Left), WORD(client.Top)));
    if (!(wp->flags & SWP_NOCLIENTSIZE)) {
        if (IsIconic(hwnd)) {
            SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
        } else {
            const WPARAM kind = IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED;
            SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(WORD(client.Width()), WORD(client.Height())));
        }
    }
    return 0;
}

}  // namespace win::def
