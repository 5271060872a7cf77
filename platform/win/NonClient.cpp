// DefWindowProc's WM_NCCALCSIZE and WM_NCHITTEST for the standard
// non-client parts: frame, client edge, scroll bars. There is no caption of
// ours, so HTCAPTION never comes from here.

#include "platform/win/DefWindowHandlers.h"
#include "platform/win/Metrics.h"
#include "platform/win/NonClientLayout.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <algorithm>

namespace win::def {

namespace {

// Which edge or corner of a sizing frame p (window coordinates) lies on.
int SizingCode(TPoint p, const TRect& window, int frame)
{
    const int grip = std::max(frame, metrics::kCornerGrip);
    const bool nearLeft = p.X < window.Left + grip;
    const bool nearRight = p.X >= window.Right - grip;
    const bool nearTop = p.Y < window.Top + grip;
    const bool nearBottom = p.Y >= window.Bottom - grip;
    if (p.Y < window.Top + frame) return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
    if (p.Y >= window.Bottom - frame) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
    if (p.X < window.Left + frame) return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
    return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
}

}  // namespace

LRESULT OnNcCalcSize(HWND hwnd, LPARAM lParam)
{
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const Window* w = LookUp(hwnd);
    if (!params) return 0;
    params->rgrc[0] = DefaultClientRect(params->rgrc[0], w->style, w->exStyle, w->IsTopLevel());
    return 0;
}

LRESULT OnNcHitTest(HWND hwnd, LPARAM lParam)
{
    const Window* w = LookUp(hwnd);
    const TPoint p = LParamToPoint(lParam) - ScreenOrigin(*w);
    const TRect window{0, 0, w->rect.Width(), w->rect.Height()};
    if (!window.Contains(p) || (w->shape && !w->shape->Contains(p))) return HTNOWHERE;
    if (w->client.Contains(p)) return HTCLIENT;
    const ScrollBarRects bars = ScrollBarsBeside(w->client, window, w->style);
    if (bars.vertical.Contains(p)) return HTVSCROLL;
    if (bars.horizontal.Contains(p)) return HTHSCROLL;
    const bool sizable = (w->style & WS_THICKFRAME) != 0;
    if (bars.sizeBox.Contains(p)) return sizable ? HTBOTTOMRIGHT : HTNOWHERE;
    const NonClientLayout l = LayoutNonClient(window, w->style, w->exStyle, w->IsTopLevel());
    if (sizable && !l.insideFrame.Contains(p)) return SizingCode(p, window, l.frameWidth);
    return HTBORDER;
}

}  // namespace win::def
