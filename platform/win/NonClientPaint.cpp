// DefWindowProc's WM_NCPAINT: border or frame, client edge, scroll bars,
// drawn through a window context.

#include "platform/win/DefWindowHandlers.h"
#include "platform/win/Gdi.h"
#include "platform/win/Metrics.h"
#include "platform/win/NonClientLayout.h"
#include "platform/win/NonClientScrollBar.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win::def {

namespace {

void PaintFrame(HDC dc, const NonClientLayout& l)
{
    if (l.frameWidth == 0) return;
    if (l.frameWidth == metrics::kBorder) {
        FrameRect(dc, l.window, GetSysColorBrush(COLOR_WINDOWFRAME));
        return;
    }
    // Dialog and sizing frames: a raised edge, then face-coloured rings up to the frame's width.
    RECT r = l.window;
    DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    while (r.Left < l.insideFrame.Left && !r.IsEmpty()) {
        FrameRect(dc, r, GetSysColorBrush(COLOR_BTNFACE));
        r = r.Inflated(-1, -1);
    }
}

void PaintEdge(HDC dc, const NonClientLayout& l)
{
    if (l.edgeWidth == 0) return;
    RECT r = l.insideFrame;
    DrawEdge(dc, r, l.edgeWidth == metrics::kEdge ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
}

}  // namespace

// wParam: 1 for the whole frame, or a region (screen coordinates) to limit drawing to.
LRESULT OnNcPaint(HWND hwnd, WPARAM wParam)
{
    const bool whole = wParam <= 1;
    const HDC dc = whole ? GetWindowDC(hwnd)
                         : GetDCEx(hwnd, reinterpret_cast<HRGN>(wParam), DCX_WINDOW | DCX_INTERSECTRGN);
    if (!dc) return 0;
    const Window* w = LookUp(hwnd);
    const NonClientLayout l = LayoutNonClient({0, 0, w->rect.Width(), w->rect.Height()}, w->style, w->exStyle,
                                              w->IsTopLevel());
    PaintFrame(dc, l);
    PaintEdge(dc, l);
    PaintScrollBars(dc, *w);
    ReleaseDC(hwnd, dc);
    return 0;
}

}  // namespace win::def
