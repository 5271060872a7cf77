// TWinControl's painting: WM_PAINT with the graphic children, the
// background, the border, painting requests and the cursor.

#include "platform/ui/base/WinControl.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

#include <algorithm>

void TWinControl::WMPaint(TMessage& message)
{
    // A plain window without graphic children leaves painting to its procedure.
    if (!ControlState().Contains(csCustomPaint) && m_controls.empty()) {
        DefaultHandler(message);
        return;
    }
    PaintHandler(message);
}

void TWinControl::PaintHandler(TMessage& message)
{
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT ps;
    if (!dc) dc = BeginPaint(m_handle, ps);
    if (!dc) return;
    // Opaque graphic children cover their part: the window leaves it alone.
    const int saved = SaveDC(dc);
    int clip = SIMPLEREGION;
    for (const TControl* c : m_controls) {
        if (c->IsWindowed() || !c->Visible() || !c->IsOpaque()) continue;
        clip = ExcludeClipRect(dc, c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
        if (clip == NULLREGION) break;
    }
    if (clip != NULLREGION) PaintWindow(dc);
    RestoreDC(dc, saved);
    PaintControls(dc, nullptr);
    if (!message.WParam) EndPaint(m_handle, ps);
    message.Result = 0;
}

void TWinControl::PaintWindow(HDC dc)
{
    TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first)
{
    auto it = std::find(m_controls.begin(), m_controls.end(), first);
    if (it == m_controls.end()) it = m_controls.begin();
    // Painting may not change the list; index walking keeps it safe if it does.
    for (std::size_t i = std::size_t(it - m_controls.begin()); i < m_controls.size(); ++i) {
        TControl* c = m_controls[i];
        if (c->IsWindowed() || !c->Visible()) continue;
        const RECT bounds = c->BoundsRect();
        if (!RectVisible(dc, bounds)) continue;
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, c->Left(), c->Top());
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

// wParam carries the context to erase, also one a parent made for an off-screen copy.
void TWinControl::WMEraseBkgnd(TMessage& message)
{
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (dc && !IsOpaque()) {
        const RECT client = ClientRect();
        FillRect(dc, client, m_brush->Handle());
    }
    message.Result = 1;
}

void TWinControl::WMNCCalcSize(TMessage& message)
{
    DefaultHandler(message);
    if (m_borderWidth <= 0) return;
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
    if (params) params->rgrc[0] = params->rgrc[0].Inflated(-m_borderWidth, -m_borderWidth);
}

void TWinControl::WMNCPaint(TMessage& message)
{
    DefaultHandler(message);
    if (m_borderWidth > 0) PaintBorder();
}

// The BorderWidth ring around the client area, in the control's colour.
void TWinControl::PaintBorder()
{
    RECT window;
    GetWindowRect(m_handle, window);
    POINT clientOrigin{0, 0};
    ::ClientToScreen(m_handle, clientOrigin);
    RECT client;
    GetClientRect(m_handle, client);
    const TRect inner = client.Offset(clientOrigin - window.TopLeft());
    const HDC dc = GetWindowDC(m_handle);
    if (!dc) return;
    ExcludeClipRect(dc, inner.Left, inner.Top, inner.Right, inner.Bottom);
    const RECT ring = inner.Inflated(m_borderWidth, m_borderWidth);
    FillRect(dc, ring, m_brush->Handle());
    ReleaseDC(m_handle, dc);
}

void TWinControl::Invalidate()
{
    if (m_handle) InvalidateRect(m_handle, nullptr, !IsOpaque());
}

void TWinControl::Update()
{
    if (m_handle) UpdateWindow(m_handle);
}

void TWinControl::Repaint()
{
    Invalidate();
    Update();
}

// Over the client area the cursor is the screen's if set, else that of the
// graphic child under the pointer, else this control's.
void TWinControl::WMSetCursor(TMessage& message)
{
    const HWND cursorWindow = reinterpret_cast<HWND>(message.WParam);
    const int hit = short(LOWORD(WPARAM(message.LParam)));
    if (cursorWindow == m_handle && hit == HTCLIENT) {
        TCursor cursor = Screen->Cursor();
        if (cursor == crDefault) {
            POINT p;
            GetCursorPos(p);
            const TControl* over = ControlAtPos(ScreenToClient(p));
            if (over) cursor = over->Cursor();
            if (cursor == crDefault) cursor = Cursor();
        }
        if (cursor != crDefault) {
            ::SetCursor(Screen->Cursors(cursor));
            message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(message);
}
