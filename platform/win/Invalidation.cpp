#include "platform/win/Invalidation.h"

#include "platform/win/WinApi.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

bool IncludesChildren(const Window& w, UINT flags)
{
    if (flags & RDW_ALLCHILDREN) return true;
    if (flags & RDW_NOCHILDREN) return false;
    return !(w.style & WS_CLIPCHILDREN);
}

// area: client coordinates of w; frame: whether w's non-client part is concerned.
void Apply(Window& w, const Region& area, UINT flags, bool frame)
{
    const Region inClient = area.Intersected(Region(w.ClientBounds()));
    if (flags & RDW_INVALIDATE) {
        if (!IsShownChain(w)) return;
        w.update = w.update.United(inClient);
        if ((flags & RDW_ERASE) && !inClient.IsEmpty()) w.erasePending = true;
        if (frame && !(flags & RDW_NOFRAME)) w.framePending = true;
        if (flags & RDW_INTERNALPAINT) w.internalPaint = true;
    } else if (flags & RDW_VALIDATE) {
        w.update = w.update.Subtracted(inClient);
        if (w.update.IsEmpty() || (flags & RDW_NOERASE)) w.erasePending = false;
        if (flags & RDW_NOFRAME) w.framePending = false;
        if (flags & RDW_NOINTERNALPAINT) w.internalPaint = false;
    }
    if (!IncludesChildren(w, flags)) return;
    for (HWND h : std::vector<HWND>(w.children)) {
        Window* c = LookUp(h);
        if (!c || !(c->style & WS_VISIBLE)) continue;
        const Region inChild = area.Intersected(AreaInParent(*c)).Offset(-c->rect.Left, -c->rect.Top);
        if (inChild.IsEmpty()) continue;
        const bool touchesFrame = !inChild.Subtracted(Region(c->client)).IsEmpty();
        Apply(*c, inChild.Offset(-c->client.Left, -c->client.Top), flags, touchesFrame);
    }
}

bool NeedsPaint(const Window& w)
{
    return !w.update.IsEmpty() || w.internalPaint;
}

}  // namespace

void RedrawArea(HWND hwnd, const Region* area, UINT flags)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    Apply(*w, area ? *area : Region(w->ClientBounds()), flags, (flags & RDW_FRAME) != 0);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateNow(hwnd, flags);
}

void EraseNow(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    if (!w || !w->erasePending) return;
    w->erasePending = false;
    const Region area = w->update;
    const HDC dc = MakeWindowDC(hwnd, DcRequest{DcArea::Client, 0, &area});
    SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(hwnd, dc);
}

void UpdateNow(HWND hwnd, UINT flags)
{
    Window* w = LookUp(hwnd);
    if (!w || !IsShownChain(*w)) return;
    if (w->framePending) {
        w->framePending = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = LookUp(hwnd))) return;
    }
    if (NeedsPaint(*w)) {
        if (flags & RDW_UPDATENOW)
            SendMessage(hwnd, WM_PAINT, 0, 0);
        else
            EraseNow(hwnd);
        if (!(w = LookUp(hwnd))) return;
    }
    if (!IncludesChildren(*w, flags)) return;
    const std::vector<HWND> children(w->children.rbegin(), w->children.rend());
    for (HWND child : children) UpdateNow(child, flags);
}

}  // namespace win
