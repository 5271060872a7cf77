// SetWindowPos and its relatives (MoveWindow, BringWindowToTop).

#include "platform/win/WindowPos.h"

#include "platform/win/Activation.h"
#include "platform/win/Focus.h"
#include "platform/win/Invalidation.h"
#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <algorithm>

namespace win {

namespace {

constexpr int kMaxWindowSide = 32767;  // px, as classically

// Drops flags that ask for nothing new, so that the messages tell what really changes.
UINT Normalized(const Window& w, const WINDOWPOS& wp)
{
    UINT flags = wp.flags;
    if (!w.IsTopLevel()) flags |= SWP_NOACTIVATE;
    if ((flags & SWP_SHOWWINDOW) && (w.style & WS_VISIBLE)) flags &= ~UINT(SWP_SHOWWINDOW);
    if ((flags & SWP_HIDEWINDOW) && !(w.style & WS_VISIBLE)) flags &= ~UINT(SWP_HIDEWINDOW);
    if (w.rect.Width() == wp.cx && w.rect.Height() == wp.cy) flags |= SWP_NOSIZE;
    if (w.rect.Left == wp.x && w.rect.Top == wp.y) flags |= SWP_NOMOVE;
    if (wp.hwndInsertAfter == w.handle) flags |= SWP_NOZORDER;
    return flags;
}

void ClampSize(WINDOWPOS& wp)
{
    wp.cx = std::clamp(wp.cx, 0, kMaxWindowSide);
    wp.cy = std::clamp(wp.cy, 0, kMaxWindowSide);
}

// Owned top-level windows stay above their owner when it comes up.
void RaiseOwnedWindows(const Window& owner)
{
    std::vector<HWND>& tops = Sys().windows.TopLevels();
    std::vector<HWND> owned;
    for (HWND h : tops) {
        const Window* o = LookUp(h);
        if (o && IsOwnedBy(*o, owner.handle) && (o->exStyle & WS_EX_TOPMOST) == (owner.exStyle & WS_EX_TOPMOST))
            owned.push_back(h);
    }
    if (owned.empty()) return;
    std::erase_if(tops, [&](HWND h) { return std::find(owned.begin(), owned.end(), h) != owned.end(); });
    const auto at = std::find(tops.begin(), tops.end(), owner.handle);
    tops.insert(at, owned.begin(), owned.end());
}

// The rectangle the window asks for: WM_NCCALCSIZE with the new window rectangle.
TRect CalcClient(HWND hwnd, const TRect& newRect, const TRect& oldRect, const TRect& oldClient, WINDOWPOS& wp)
{
    NCCALCSIZE_PARAMS p;
    p.rgrc[0] = newRect;
    p.rgrc[1] = oldRect;
    p.rgrc[2] = oldClient;
    p.lppos = &wp;
    SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
    const TRect asked = p.rgrc[0].Normalized();
    const TRect inside = asked.Intersected(newRect);
    return inside.IsEmpty() ? TRect{asked.Left, asked.Top, asked.Left, asked.Top}.Intersected(newRect) : inside;
}

struct Change {
    bool moved = false;
    bool sized = false;
    bool stacked = false;
    bool wasShown = false;
    bool shown = false;
};

// desktopRect: what the desktop reported when it made the change itself.
void TellDesktop(Window& w, const Change& c, UINT flags, const TRect& desktopRect)
{
    Backend& backend = *Sys().backend;
    if (c.sized) ResizeBackBuffer(w);
    // A change the desktop made is only told back when the window would not take it as it was.
    const bool told = (flags & SWP_FROMDESKTOP) && w.rect == desktopRect;
    if ((c.moved || c.sized || (flags & SWP_FROMDESKTOP)) && !told) backend.SetNativeBounds(w.handle, w.rect);
    if (c.sized && w.shape) SyncNativeShape(w);
    if (c.stacked) SyncNativeZOrder();
    if (c.shown != c.wasShown) {
        const bool activate = c.shown && !(flags & SWP_NOACTIVATE) && CanActivate(w);
        backend.ShowNativeWindow(w.handle, c.shown, activate);
    }
    if (c.shown && (c.sized || !c.wasShown)) Sys().compositor.MarkDirty(w.handle, w.backBuffer->Bounds());
}

void Repaint(Window& w, const Region& oldArea, const Change& c, UINT flags)
{
    if (flags & SWP_NOREDRAW) return;
    const bool uncovered = c.moved || c.sized || (c.wasShown && !c.shown);
    if (!w.IsTopLevel() && uncovered && !oldArea.IsEmpty())
        RedrawArea(w.parent, &oldArea, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    const bool childMoved = !w.IsTopLevel() && c.moved;
    if (c.shown && (childMoved || c.sized || c.stacked || !c.wasShown || (flags & SWP_FRAMECHANGED)))
        RedrawArea(w.handle, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace

bool PositionWindow(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Window* w = LookUp(hwnd);
    if (!w) return false;
    // Shown or hidden on purpose, a window no longer waits for its owner's return.
    if (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) w->hiddenWithOwner = false;
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    ClampSize(wp);
    wp.flags = Normalized(*w, wp);
    if (!(wp.flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!(w = LookUp(hwnd))) return false;
        ClampSize(wp);
        wp.flags = Normalized(*w, wp);
    }

    const TRect oldRect = w->rect;
    const TRect oldClient = w->ClientInParent();
    TRect newRect = oldRect;
    if (!(wp.flags & SWP_NOMOVE)) newRect = oldRect.Offset(wp.x - oldRect.Left, wp.y - oldRect.Top);
    if (!(wp.flags & SWP_NOSIZE)) newRect = TRect::FromSize(newRect.Left, newRect.Top, wp.cx, wp.cy);
    TRect newClient = oldClient.Offset(newRect.Left - oldRect.Left, newRect.Top - oldRect.Top);
    if (!(wp.flags & SWP_NOSIZE) || (wp.flags & SWP_FRAMECHANGED)) {
        newClient = CalcClient(hwnd, newRect, oldRect, oldClient, wp);
        if (!(w = LookUp(hwnd))) return false;
    }

    Change c;
    c.wasShown = (w->style & WS_VISIBLE) != 0;
    const Region oldArea = c.wasShown ? AreaInParent(*w) : Region();
    c.moved = newRect.TopLeft() != oldRect.TopLeft();
    c.sized = newRect.Size() != oldRect.Size();
    w->rect = newRect;
    w->client = newClient.Offset(-newRect.Left, -newRect.Top);
    if (!(wp.flags & SWP_NOZORDER)) {
        c.stacked = MoveInZOrder(*w, wp.hwndInsertAfter);
        if (w->IsTopLevel() && !(wp.flags & SWP_NOOWNERZORDER)) RaiseOwnedWindows(*w);
    }
    if (wp.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (wp.flags & SWP_HIDEWINDOW) w->style &= ~DWORD(WS_VISIBLE);
    c.shown = (w->style & WS_VISIBLE) != 0;

    if (w->IsTopLevel()) TellDesktop(*w, c, wp.flags, TRect::FromSize(x, y, cx, cy));
    Repaint(*w, oldArea, c, wp.flags);

    if (c.wasShown && !c.shown) {
        MoveFocusOutOf(hwnd);
        if (Sys().input.active == hwnd) ActivateOtherWindow(hwnd);
    }
    if (!(w = LookUp(hwnd))) return true;
    if (w->IsTopLevel() && c.shown && !(wp.flags & SWP_NOACTIVATE) && CanActivate(*w) && Sys().input.active != hwnd)
        ActivateWindow(hwnd, WA_ACTIVE);
    if (!(w = LookUp(hwnd))) return true;

    UINT done = wp.flags & ~UINT(SWP_FROMDESKTOP | SWP_STATECHANGED);
    if (newClient.Size() == oldClient.Size() && !(wp.flags & SWP_STATECHANGED)) done |= SWP_NOCLIENTSIZE;
    if (newClient.TopLeft() == oldClient.TopLeft()) done |= SWP_NOCLIENTMOVE;
    WINDOWPOS changed{hwnd, wp.hwndInsertAfter, newRect.Left, newRect.Top, newRect.Width(), newRect.Height(), done};
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
    return true;
}

}  // namespace win

using namespace win;

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    // Our own flags are not for callers.
    constexpr UINT kPublicFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE |
                                  SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_NOCOPYBITS |
                                  SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
    return PositionWindow(hwnd, insertAfter, x, y, cx, cy, flags & kPublicFlags);
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : UINT(SWP_NOREDRAW)));
}

bool BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}
