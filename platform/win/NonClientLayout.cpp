#include "platform/win/NonClientLayout.h"

#include "platform/win/Metrics.h"
#include "platform/win/WinConst.h"

#include <algorithm>

namespace win {

namespace {

// Shrinks r by d on every side, never past empty.
TRect Deflated(const TRect& r, int d)
{
    TRect out = r.Inflated(-d, -d);
    if (out.Right < out.Left) out.Left = out.Right = r.Left + r.Width() / 2;
    if (out.Bottom < out.Top) out.Top = out.Bottom = r.Top + r.Height() / 2;
    return out;
}

}  // namespace

bool IsDecoratedStyle(DWORD style)
{
    return (style & WS_CAPTION) == WS_CAPTION && !(style & WS_CHILD);
}

int FrameWidthFor(DWORD style, DWORD exStyle, bool topLevel)
{
    if (topLevel && IsDecoratedStyle(style)) return 0;
    if (style & WS_THICKFRAME) return metrics::kSizingFrame;
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return metrics::kDialogFrame;
    if (style & WS_BORDER) return metrics::kBorder;
    return 0;
}

int EdgeWidthFor(DWORD exStyle)
{
    if (exStyle & WS_EX_CLIENTEDGE) return metrics::kEdge;
    if (exStyle & WS_EX_STATICEDGE) return metrics::kStaticEdge;
    return 0;
}

NonClientLayout LayoutNonClient(const TRect& window, DWORD style, DWORD exStyle, bool topLevel)
{
    NonClientLayout l;
    l.window = window;
    l.frameWidth = FrameWidthFor(style, exStyle, topLevel);
    l.edgeWidth = EdgeWidthFor(exStyle);
    l.insideFrame = Deflated(window, l.frameWidth);
    l.insideEdge = Deflated(l.insideFrame, l.edgeWidth);
    return l;
}

TRect DefaultClientRect(const TRect& window, DWORD style, DWORD exStyle, bool topLevel)
{
    TRect client = LayoutNonClient(window, style, exStyle, topLevel).insideEdge;
    // A bar only takes what room there is.
    if (style & WS_VSCROLL) client.Right -= std::min(metrics::kScrollBar, client.Width());
    if (style & WS_HSCROLL) client.Bottom -= std::min(metrics::kScrollBar, client.Height());
    return client;
}

ScrollBarRects ScrollBarsBeside(const TRect& client, const TRect& window, DWORD style)
{
    ScrollBarRects bars;
    const bool hasV = (style & WS_VSCROLL) != 0;
    const bool hasH = (style & WS_HSCROLL) != 0;
    if (hasV) bars.vertical = TRect{client.Right, client.Top, client.Right + metrics::kScrollBar, client.Bottom}.Intersected(window);
    if (hasH) bars.horizontal = TRect{client.Left, client.Bottom, client.Right, client.Bottom + metrics::kScrollBar}.Intersected(window);
    if (hasV && hasH)
        bars.sizeBox = TRect{client.Right, client.Bottom, client.Right + metrics::kScrollBar,
                             client.Bottom + metrics::kScrollBar}.Intersected(window);
    return bars;
}

}  // namespace win
