// The coordinate calls of WinApi.h: window and client rectangles, mapping
// between client and screen coordinates.

#include "platform/win/NonClientLayout.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

using namespace win;

namespace {

// Where a window's client (0, 0) lies on the screen; the desktop and nullptr are the screen.
std::optional<TPoint> ClientOriginOf(HWND hwnd)
{
    if (!hwnd || IsDesktop(hwnd)) return TPoint{0, 0};
    const Window* w = LookUp(hwnd);
    if (!w) return std::nullopt;
    return ClientScreenOrigin(*w);
}

}  // namespace

bool GetWindowRect(HWND hwnd, RECT& screen)
{
    if (IsDesktop(hwnd)) {
        screen = Sys().backend->ScreenRect();
        return true;
    }
    const Window* w = LookUp(hwnd);
    if (!w) return false;
    const TPoint o = ScreenOrigin(*w);
    screen = TRect::FromSize(o.X, o.Y, w->rect.Width(), w->rect.Height());
    return true;
}

bool GetClientRect(HWND hwnd, RECT& client)
{
    if (IsDesktop(hwnd)) {
        const TRect s = Sys().backend->ScreenRect();
        client = {0, 0, s.Width(), s.Height()};
        return true;
    }
    const Window* w = LookUp(hwnd);
    if (!w) return false;
    client = w->ClientBounds();
    return true;
}

bool ClientToScreen(HWND hwnd, POINT& p)
{
    const std::optional<TPoint> o = ClientOriginOf(hwnd);
    if (!o || !hwnd) return false;
    p = p + *o;
    return true;
}

bool ScreenToClient(HWND hwnd, POINT& p)
{
    const std::optional<TPoint> o = ClientOriginOf(hwnd);
    if (!o || !hwnd) return false;
    p = p - *o;
    return true;
}

void MapWindowPoints(HWND from, HWND to, POINT* points, int count)
{
    const std::optional<TPoint> a = ClientOriginOf(from);
    const std::optional<TPoint> b = ClientOriginOf(to);
    if (!a || !b || !points) return;
    const TPoint d = *a - *b;
    for (int i = 0; i < count; ++i) points[i] = points[i] + d;
}

bool AdjustWindowRectEx(RECT& rect, DWORD style, bool /*hasMenu: menus are windows of their own here*/, DWORD exStyle)
{
    const bool topLevel = !(style & WS_CHILD);
    const int grow = FrameWidthFor(style, exStyle, topLevel) + EdgeWidthFor(exStyle);
    rect = rect.Inflated(grow, grow);
    return true;
}
