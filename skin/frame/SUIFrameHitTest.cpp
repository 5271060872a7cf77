#include "skin/frame/SUIFrameHitTest.h"

#include "platform/win/WinConst.h"

int TitleBarEdgeHitTest(TPoint p, int formWidth, int current)
{
    if (p.Y >= kResizeZone) return current;
    if (p.X < kResizeZone) return HTTOPLEFT;
    if (p.X > formWidth - kResizeZone) return HTTOPRIGHT;
    return HTTOP;
}

int FormEdgeHitTest(TPoint p, TSize client, int current)
{
    const bool left = p.X < kResizeZone;
    const bool top = p.Y < kResizeZone;
    const bool right = p.X > client.cx - kResizeZone;
    const bool bottom = p.Y > client.cy - kResizeZone;
    if (left && top) return HTTOPLEFT;
    if (right && top) return HTTOPRIGHT;
    if (right && bottom) return HTBOTTOMRIGHT;
    if (left && bottom) return HTBOTTOMLEFT;
    if (left) return HTLEFT;
    if (top) return HTTOP;
    if (right) return HTRIGHT;
    if (bottom) return HTBOTTOM;
    return current;
}
