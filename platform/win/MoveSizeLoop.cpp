#include "platform/win/MoveSizeLoop.h"

#include "platform/win/MinMaxInfo.h"
#include "platform/win/TrackingLoop.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

struct Edges {
    bool left = false;
    bool right = false;
    bool top = false;
    bool bottom = false;
};

Edges EdgesOf(WPARAM wmsz)
{
    return {wmsz == WMSZ_LEFT || wmsz == WMSZ_TOPLEFT || wmsz == WMSZ_BOTTOMLEFT,
            wmsz == WMSZ_RIGHT || wmsz == WMSZ_TOPRIGHT || wmsz == WMSZ_BOTTOMRIGHT,
            wmsz == WMSZ_TOP || wmsz == WMSZ_TOPLEFT || wmsz == WMSZ_TOPRIGHT,
            wmsz == WMSZ_BOTTOM || wmsz == WMSZ_BOTTOMLEFT || wmsz == WMSZ_BOTTOMRIGHT};
}

// The dragged edges moved by d, the size kept within the track limits, the other edges fixed.
TRect Sized(const TRect& start, TPoint d, Edges e, const MINMAXINFO& mmi)
{
    TRect r = start;
    if (e.left) r.Left += d.X;
    if (e.right) r.Right += d.X;
    if (e.top) r.Top += d.Y;
    if (e.bottom) r.Bottom += d.Y;
    const TSize size = ClampToTrackSize({r.Width(), r.Height()}, mmi);
    if (e.left)
        r.Left = r.Right - size.cx;
    else
        r.Right = r.Left + size.cx;
    if (e.top)
        r.Top = r.Bottom - size.cy;
    else
        r.Bottom = r.Top + size.cy;
    return r;
}

class MoveSizeTracker {
public:
    MoveSizeTracker(HWND hwnd, MoveSizeMode mode, WPARAM edge, TPoint start)
        : m_hwnd(hwnd), m_mode(mode), m_edge(edge), m_start(start)
    {
        const Window* w = LookUp(hwnd);
        m_parentOrigin = w->IsTopLevel() ? TPoint{} : ClientScreenOrigin(*LookUp(w->parent));
        m_startRect = w->rect.Offset(m_parentOrigin);
        if (mode == MoveSizeMode::Size) m_limits = QueryMinMaxInfo(hwnd);
    }

    void Run()
    {
        SetCapture(m_hwnd);
        SendMessage(m_hwnd, WM_ENTERSIZEMOVE, 0, 0);
        MSG msg;
        bool cancelled = false;
        while (NextTrackingMessage(m_hwnd, msg)) {
            if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hwnd) {
                Follow(msg.pt);
            } else if (msg.message == WM_LBUTTONUP) {
                break;
            } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
                cancelled = true;
                break;
            } else {
                TranslateMessage(msg);
                DispatchMessage(msg);
            }
        }
        if (cancelled) Place(m_startRect);
        if (GetCapture() == m_hwnd) ReleaseCapture();
        SendMessage(m_hwnd, WM_EXITSIZEMOVE, 0, 0);
    }

private:
    void Follow(TPoint pointer)
    {
        const TPoint d = pointer - m_start;
        TRect r;
        if (m_mode == MoveSizeMode::Move) {
            r = m_startRect.Offset(d);
            SendMessage(m_hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
        } else {
            r = Sized(m_startRect, d, EdgesOf(m_edge), m_limits);
            SendMessage(m_hwnd, WM_SIZING, m_edge, reinterpret_cast<LPARAM>(&r));
        }
        Place(r);
    }

    // r in screen coordinates.
    void Place(const TRect& r)
    {
        const TRect inParent = r.Offset(-m_parentOrigin.X, -m_parentOrigin.Y);
        PositionWindow(m_hwnd, nullptr, inParent.Left, inParent.Top, inParent.Width(), inParent.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND m_hwnd = nullptr;
    MoveSizeMode m_mode = MoveSizeMode::Move;
    WPARAM m_edge = 0;
    TPoint m_start;          // screen
    TPoint m_parentOrigin;   // screen position of the parent's client area
    TRect m_startRect;       // screen
    MINMAXINFO m_limits;
};

}  // namespace

void RunMoveSizeLoop(HWND hwnd, MoveSizeMode mode, WPARAM edge, TPoint start)
{
    const Window* w = LookUp(hwnd);
    // Only while the button is held, and not for minimised or maximised windows.
    if (!w || (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) || GetKeyState(VK_LBUTTON) >= 0) return;
    MoveSizeTracker(hwnd, mode, edge, start).Run();
}

}  // namespace win
