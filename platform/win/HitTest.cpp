// Finding the window under the pointer; WindowFromPoint and ChildWindowFromPoint.

#include "platform/win/HitTest.h"

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <optional>

namespace win {

namespace {

enum class Ask { Window, Geometry };

bool Reachable(const Window& w)
{
    return (w.style & WS_VISIBLE) != 0;
}

// The target inside w (w's window holds the point), or nothing when everything there is transparent.
std::optional<PointerTarget> Descend(HWND hwnd, TPoint screen, Ask ask)
{
    const Window* w = LookUp(hwnd);
    if (!w) return std::nullopt;
    const TPoint inWindow = screen - ScreenOrigin(*w);
    const bool inClient = w->client.Contains(inWindow);
    if (inClient) {
        const TPoint inClientArea = inWindow - w->client.TopLeft();
        for (HWND child : std::vector<HWND>(w->children)) {
            const Window* c = LookUp(child);
            // Disabled children let the point through to what lies beneath.
            if (!c || !Reachable(*c) || (c->style & WS_DISABLED) || !AreaInParent(*c).Contains(inClientArea))
                continue;
            if (auto t = Descend(child, screen, ask)) return t;
        }
    }
    if (ask == Ask::Geometry) return PointerTarget{hwnd, inClient ? HTCLIENT : HTBORDER};
    const int hit = int(SendMessage(hwnd, WM_NCHITTEST, 0, PointToLParam(screen)));
    if (!LookUp(hwnd) || hit == HTTRANSPARENT) return std::nullopt;
    return PointerTarget{hwnd, hit};
}

PointerTarget Search(TPoint screen, Ask ask)
{
    for (HWND top : std::vector<HWND>(Sys().windows.TopLevels())) {
        const Window* w = LookUp(top);
        if (!w || !Reachable(*w) || (w->style & WS_MINIMIZE) || !AreaInParent(*w).Contains(screen)) continue;
        if (w->style & WS_DISABLED) return PointerTarget{top, HTERROR, true};
        if (auto t = Descend(top, screen, ask)) return *t;
    }
    return {};
}

}  // namespace

PointerTarget FindPointerTarget(TPoint screen)
{
    return Search(screen, Ask::Window);
}

PointerTarget WindowAtPoint(TPoint screen)
{
    return Search(screen, Ask::Geometry);
}

}  // namespace win

using namespace win;

HWND WindowFromPoint(POINT screen)
{
    const HWND hwnd = FindPointerTarget(screen).hwnd;
    return hwnd ? hwnd : GetDesktopWindow();
}

HWND ChildWindowFromPoint(HWND parent, POINT client)
{
    const Window* w = LookUp(parent);
    if (!w || !w->ClientBounds().Contains(client)) return nullptr;
    for (HWND child : w->children) {
        const Window* c = LookUp(child);
        if (c && (c->style & WS_VISIBLE) && AreaInParent(*c).Contains(client)) return child;
    }
    return parent;
}
