// The painting calls: invalidation, BeginPaint/EndPaint, UpdateWindow, and
// where WM_PAINT comes from.

#include "platform/win/Gdi.h"
#include "platform/win/Invalidation.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

bool NeedsPaint(const Window& w)
{
    return !w.update.IsEmpty() || w.internalPaint;
}

// Parents before their children, and among siblings the bottom one first,
// so that what a parent paints over its children is painted over again.
std::optional<MSG> PaintIn(HWND hwnd, const MessageFilter& filter)
{
    Window* w = LookUp(hwnd);
    if (!w || !(w->style & WS_VISIBLE)) return std::nullopt;
    if (FilterMatchesWindow(filter, hwnd)) {
        if (w->framePending && !NeedsPaint(*w)) {
            // Only the frame: it gets WM_NCPAINT straight away, no WM_PAINT.
            w->framePending = false;
            SendMessage(hwnd, WM_NCPAINT, 1, 0);
            if (!(w = LookUp(hwnd))) return std::nullopt;
        }
        if (NeedsPaint(*w))
            return MSG{hwnd, WM_PAINT, 0, 0, Sys().backend->NowMs(), Sys().backend->CursorPos()};
    }
    const std::vector<HWND> children(w->children.rbegin(), w->children.rend());
    for (HWND child : children)
        if (auto m = PaintIn(child, filter)) return m;
    return std::nullopt;
}

std::optional<Region> RegionArg(HRGN region)
{
    const Region* r = region ? RegionOf(region) : nullptr;
    if (!r) return std::nullopt;
    return *r;
}

}  // namespace

std::optional<MSG> NextPaintMessage(const MessageFilter& filter)
{
    if (!filter.MatchesNumber(WM_PAINT)) return std::nullopt;
    for (HWND top : std::vector<HWND>(Sys().windows.TopLevels()))
        if (auto m = PaintIn(top, filter)) return m;
    return std::nullopt;
}

}  // namespace win

using namespace win;

bool RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags)
{
    if (!hwnd || IsDesktop(hwnd)) {
        for (HWND top : std::vector<HWND>(Sys().windows.TopLevels())) RedrawWindow(top, nullptr, nullptr, flags);
        return true;
    }
    if (!LookUp(hwnd)) return false;
    std::optional<Region> area = RegionArg(region);
    if (!area && rect) area = Region(rect->Normalized());
    RedrawArea(hwnd, area ? &*area : nullptr, flags);
    return true;
}

bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? UINT(RDW_ERASE) : 0u));
}

bool InvalidateRgn(HWND hwnd, HRGN region, bool erase)
{
    if (region && !RegionOf(region)) return false;
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? UINT(RDW_ERASE) : 0u));
}

bool ValidateRect(HWND hwnd, const RECT* rect)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool ValidateRgn(HWND hwnd, HRGN region)
{
    if (region && !RegionOf(region)) return false;
    return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool UpdateWindow(HWND hwnd)
{
    if (!LookUp(hwnd)) return false;
    UpdateNow(hwnd, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return true;
}

bool GetUpdateRect(HWND hwnd, RECT* rect, bool erase)
{
    const Window* w = LookUp(hwnd);
    if (!w) return false;
    if (rect) *rect = w->update.Bounds();
    const bool any = !w->update.IsEmpty();
    if (erase) EraseNow(hwnd);
    return any;
}

int GetUpdateRgn(HWND hwnd, HRGN copyInto, bool erase)
{
    const Window* w = LookUp(hwnd);
    if (!w || AssignRegion(copyInto, w->update) == RGN_ERROR) return RGN_ERROR;
    const int kind = w->update.Kind();
    if (erase) EraseNow(hwnd);
    return kind;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps)
{
    ps = PAINTSTRUCT{};
    Window* w = LookUp(hwnd);
    if (!w) return nullptr;
    if (w->framePending) {
        w->framePending = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        if (!(w = LookUp(hwnd))) return nullptr;
    }
    const Region area = w->update.Intersected(Region(w->ClientBounds()));
    const bool erase = w->erasePending;
    w->update = Region();
    w->erasePending = false;
    w->internalPaint = false;
    const HDC dc = MakeWindowDC(hwnd, DcRequest{DcArea::Client, 0, &area});
    ps.hdc = dc;
    ps.rcPaint = area.Bounds();
    ps.fErase = erase ? BOOL(SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0) : FALSE;
    return dc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps)
{
    return ReleaseDC(hwnd, ps.hdc) != 0;
}

bool ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect)
{
    Window* w = LookUp(hwnd);
    if (!w) return false;
    // Without a scroll rectangle the child windows move along, as classically.
    if (!scrollRect) {
        for (HWND child : std::vector<HWND>(w->children))
            if (const Window* c = LookUp(child))
                PositionWindow(child, nullptr, c->rect.Left + dx, c->rect.Top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!(w = LookUp(hwnd))) return false;
    }
    TRect area = scrollRect ? scrollRect->Normalized() : w->ClientBounds();
    if (clipRect) area = area.Intersected(clipRect->Normalized());
    return InvalidateRect(hwnd, &area, true);
}
