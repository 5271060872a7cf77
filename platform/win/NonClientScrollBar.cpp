// The standard scroll-bar calls: SetScrollInfo, GetScrollInfo,
// GetScrollBarInfo, the position and range shorthands, ShowScrollBar and
// EnableScrollBar.

#include "platform/win/NonClientScrollBar.h"

#include "platform/win/Invalidation.h"
#include "platform/win/NonClientLayout.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <algorithm>

namespace win {

namespace {

constexpr UINT kBothArrows = ESB_DISABLE_BOTH;

DWORD PartState(const ScrollBarState& s, ScrollBarPart part, const TRect& area, bool unavailable)
{
    DWORD state = 0;
    if (s.pressed == part) state |= STATE_SYSTEM_PRESSED;
    if (area.IsEmpty()) state |= STATE_SYSTEM_INVISIBLE;
    if (unavailable || IsArrowDisabled(s, part)) state |= STATE_SYSTEM_UNAVAILABLE;
    return state;
}

void Clamp(SCROLLINFO& info)
{
    if (info.nMax < info.nMin) info.nMax = info.nMin;
    const std::int64_t count = std::int64_t(info.nMax) - info.nMin + 1;
    if (std::int64_t(info.nPage) > count) info.nPage = UINT(count);
    info.nPos = std::clamp(info.nPos, info.nMin, MaxScrollPos(info));
}

bool SameLook(const SCROLLINFO& a, const SCROLLINFO& b)
{
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

}  // namespace

ScrollBarState* BarState(Window& w, int bar)
{
    return bar == SB_VERT ? &w.vertical : bar == SB_HORZ ? &w.horizontal : nullptr;
}

const ScrollBarState* BarState(const Window& w, int bar)
{
    return BarState(const_cast<Window&>(w), bar);
}

TRect BarRect(const Window& w, int bar)
{
    const ScrollBarRects bars = ScrollBarsBeside(w.client, {0, 0, w.rect.Width(), w.rect.Height()}, w.style);
    return bar == SB_VERT ? bars.vertical : bars.horizontal;
}

bool IsArrowDisabled(const ScrollBarState& s, ScrollBarPart part)
{
    return (part == ScrollBarPart::LineUp && (s.disabledArrows & 1)) ||
           (part == ScrollBarPart::LineDown && (s.disabledArrows & 2));
}

bool IsBarUnavailable(const ScrollBarState& s)
{
    return (s.disabledArrows & kBothArrows) == kBothArrows || !NeedsScrolling(s.info);
}

ScrollBarLayout LayoutBar(const Window& w, int bar)
{
    const ScrollBarState& s = *BarState(w, bar);
    SCROLLINFO shown = s.info;
    if (s.tracking) shown.nPos = s.info.nTrackPos;
    return LayoutScrollBar(shown, BarRect(w, bar), bar == SB_VERT ? ScrollBarKind::Vertical : ScrollBarKind::Horizontal,
                           (s.disabledArrows & kBothArrows) != kBothArrows);
}

void RedrawBars(HWND hwnd)
{
    const Region nothingInside;
    RedrawArea(hwnd, &nothingInside, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

}  // namespace win

using namespace win;

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, bool redraw)
{
    Window* w = LookUp(hwnd);
    ScrollBarState* s = w ? BarState(*w, bar) : nullptr;
    if (!s) return 0;
    const SCROLLINFO before = s->info;
    if (info.fMask & SIF_RANGE) {
        s->info.nMin = info.nMin;
        s->info.nMax = info.nMax;
    }
    if (info.fMask & SIF_PAGE) s->info.nPage = info.nPage;
    if (info.fMask & SIF_POS) s->info.nPos = info.nPos;
    Clamp(s->info);
    if (redraw && !SameLook(before, s->info)) RedrawBars(hwnd);
    return s->info.nPos;
}

bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO& info)
{
    const Window* w = LookUp(hwnd);
    const ScrollBarState* s = w ? BarState(*w, bar) : nullptr;
    if (!s) return false;
    if (info.fMask & SIF_RANGE) {
        info.nMin = s->info.nMin;
        info.nMax = s->info.nMax;
    }
    if (info.fMask & SIF_PAGE) info.nPage = s->info.nPage;
    if (info.fMask & SIF_POS) info.nPos = s->info.nPos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = s->tracking ? s->info.nTrackPos : s->info.nPos;
    return true;
}

bool GetScrollBarInfo(HWND hwnd, LONG objectId, SCROLLBARINFO& info)
{
    const Window* w = LookUp(hwnd);
    const int bar = objectId == OBJID_VSCROLL ? SB_VERT : objectId == OBJID_HSCROLL ? SB_HORZ : -1;
    if (!w || bar < 0) return false;
    const ScrollBarState& s = *BarState(*w, bar);
    const ScrollBarLayout l = LayoutBar(*w, bar);
    const bool vertical = bar == SB_VERT;
    const TPoint origin = ScreenOrigin(*w);
    info.rcScrollBar = l.bar.Offset(origin);
    info.dxyLineButton = l.arrowSize;
    info.xyThumbTop = l.thumb.IsEmpty() ? 0 : (vertical ? l.thumb.Top - l.bar.Top : l.thumb.Left - l.bar.Left);
    info.xyThumbBottom = l.thumb.IsEmpty() ? 0 : (vertical ? l.thumb.Bottom - l.bar.Top : l.thumb.Right - l.bar.Left);
    const bool unavailable = IsBarUnavailable(s);
    info.rgstate[0] = (l.bar.IsEmpty() ? DWORD(STATE_SYSTEM_INVISIBLE) : 0u) |
                      (unavailable ? DWORD(STATE_SYSTEM_UNAVAILABLE) : 0u);
    info.rgstate[1] = PartState(s, ScrollBarPart::LineUp, l.lineUp, unavailable);
    info.rgstate[2] = PartState(s, ScrollBarPart::PageUp, l.pageUp, unavailable);
    info.rgstate[3] = PartState(s, ScrollBarPart::Thumb, l.thumb, unavailable);
    info.rgstate[4] = PartState(s, ScrollBarPart::PageDown, l.pageDown, unavailable);
    info.rgstate[5] = PartState(s, ScrollBarPart::LineDown, l.lineDown, unavailable);
    return true;
}

int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw)
{
    const int previous = GetScrollPos(hwnd, bar);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, info, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar)
{
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(hwnd, bar, info) ? info.nPos : 0;
}

bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    info.nMin = minPos;
    info.nMax = maxPos;
    if (!LookUp(hwnd) || (bar != SB_VERT && bar != SB_HORZ)) return false;
    SetScrollInfo(hwnd, bar, info, redraw);
    return true;
}

bool ShowScrollBar(HWND hwnd, int bar, bool show)
{
    Window* w = LookUp(hwnd);
    if (!w) return false;
    DWORD bits = 0;
    if (bar == SB_VERT || bar == SB_BOTH) bits |= WS_VSCROLL;
    if (bar == SB_HORZ || bar == SB_BOTH) bits |= WS_HSCROLL;
    if (!bits) return false;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) return true;
    w->style = style;
    // The client area grows or shrinks by the bar.
    return PositionWindow(hwnd, nullptr, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool EnableScrollBar(HWND hwnd, UINT bar, UINT arrows)
{
    Window* w = LookUp(hwnd);
    if (!w) return false;
    bool changed = false;
    for (int which : {SB_HORZ, SB_VERT}) {
        if (int(bar) != which && int(bar) != SB_BOTH) continue;
        ScrollBarState& s = *BarState(*w, which);
        changed |= s.disabledArrows != (arrows & kBothArrows);
        s.disabledArrows = arrows & kBothArrows;
    }
    if (changed) RedrawBars(hwnd);
    return changed;
}
