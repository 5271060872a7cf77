// TControl's WndProc, mouse handlers, capture and mouse enter and leave.

#include "platform/ui/base/Control.h"

#include "platform/ui/base/ControlHost.h"
#include "platform/ui/base/WinControl.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

namespace {

constexpr const char* kControlProp = "QzWinControl";

bool IsMouseMessage(UINT msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}

// Without csDoubleClicks a double click is taken as another press.
UINT WithoutDoubleClick(UINT msg)
{
    switch (msg) {
    case WM_LBUTTONDBLCLK: return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK: return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK: return WM_MBUTTONDOWN;
    default: return msg;
    }
}

}  // namespace

TShiftState KeysToShiftState(WPARAM keys)
{
    TShiftState shift;
    if (keys & MK_SHIFT) shift.Include(ssShift);
    if (keys & MK_CONTROL) shift.Include(ssCtrl);
    if (keys & MK_LBUTTON) shift.Include(ssLeft);
    if (keys & MK_RBUTTON) shift.Include(ssRight);
    if (keys & MK_MBUTTON) shift.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
    return shift;
}

void TControl::WndProc(TMessage& message)
{
    if (IsMouseMessage(message.Msg)) {
        if (!m_controlStyle.Contains(csDoubleClicks)) message.Msg = WithoutDoubleClick(message.Msg);
        if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) m_controlState.Include(csLButtonDown);
        if (message.Msg == WM_LBUTTONUP) m_controlState.Exclude(csLButtonDown);
    }
    Dispatch(message);
}

// --- mouse handlers ----------------------------------------------------------

void TControl::WMMouseDown(TMessage& message, TMouseButton button)
{
    DefaultHandler(message);
    if (m_controlStyle.Contains(csNoStdEvents)) return;
    const TPoint p = LParamToPoint(message.LParam);
    TShiftState shift = KeysToShiftState(message.WParam);
    if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK) {
        shift.Include(ssDouble);
    }
    MouseDown(button, shift, p.X, p.Y);
}

void TControl::WMMouseUp(TMessage& message, TMouseButton button)
{
    DefaultHandler(message);
    const TPoint p = LParamToPoint(message.LParam);
    if (!m_controlStyle.Contains(csNoStdEvents)) {
        const TComponentWatch watch(this);
        MouseUp(button, KeysToShiftState(message.WParam), p.X, p.Y);
        if (!watch.Alive()) return;
    }
    // A window's right click asks for a context menu itself; a graphic
    // control has no window, so its parent asks for it.
    if (button == mbRight && !IsWindowed() && m_parent && m_parent->HandleAllocated()) {
        m_parent->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_parent->WindowHandle()),
                          PointToLParam(ClientToScreen(p)));
    }
}

void TControl::WMLButtonDown(TMessage& message)
{
    if (m_controlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (m_controlStyle.Contains(csClickEvents)) m_controlState.Include(csClicked);
    WMMouseDown(message, mbLeft);
}

void TControl::WMLButtonDblClk(TMessage& message)
{
    if (m_controlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    const TComponentWatch watch(this);
    if (m_controlStyle.Contains(csClickEvents)) DblClick();
    if (!watch.Alive()) return;
    WMMouseDown(message, mbLeft);
}

void TControl::WMLButtonUp(TMessage& message)
{
    if (m_controlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (m_controlState.Contains(csClicked)) {
        m_controlState.Exclude(csClicked);
        if (ClientRect().Contains(LParamToPoint(message.LParam))) {
            const TComponentWatch watch(this);
            Click();
            // The click may have freed the control (its form closed).
            if (!watch.Alive()) return;
        }
    }
    WMMouseUp(message, mbLeft);
}

void TControl::WMMouseMove(TMessage& message)
{
    DefaultHandler(message);
    if (m_controlStyle.Contains(csNoStdEvents)) return;
    const TPoint p = LParamToPoint(message.LParam);
    MouseMove(KeysToShiftState(message.WParam), p.X, p.Y);
}

void TControl::WMCancelMode(TMessage& message)
{
    if (MouseCapture()) {
        SetMouseCapture(false);
        // A release far outside: the press ends without a click.
        if (m_controlState.Contains(csLButtonDown)) Perform(WM_LBUTTONUP, 0, PointToLParam({-1, -1}));
    } else {
        m_controlState.Exclude(csLButtonDown);
    }
    DefaultHandler(message);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

// --- mouse enter and leave -----------------------------------------------------

void TControl::CMMouseEnter(TMessage& message)
{
    m_mouseInControl = true;
    MouseEnter();
    message.Result = 0;
}

void TControl::CMMouseLeave(TMessage& message)
{
    m_mouseInControl = false;
    MouseLeave();
    message.Result = 0;
}

void TControl::MouseEnter()
{
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMHitTest(TMessage& message)
{
    message.Result = HTCLIENT;
}

// --- capture -------------------------------------------------------------------

bool TControl::MouseCapture() const
{
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool capture)
{
    if (capture == MouseCapture()) return;
    SetCaptureControl(capture ? this : nullptr);
}

TWinControl* FindControl(HWND hwnd)
{
    if (!hwnd || !WindowSystem::Exists() || !IsWindow(hwnd)) return nullptr;
    return static_cast<TWinControl*>(GetProp(hwnd, kControlProp));
}

void RegisterControlWindow(HWND hwnd, TWinControl* control)
{
    if (control)
        SetProp(hwnd, kControlProp, control);
    else
        RemoveProp(hwnd, kControlProp);
}

TControl* GetCaptureControl()
{
    if (!WindowSystem::Exists()) return nullptr;
    TControl* control = FindControl(GetCapture());
    TControl* graphic = TControlHost::Current().Pointer().GraphicCapture();
    if (control && graphic && graphic->Parent() == control) return graphic;
    return control;
}

void SetCaptureControl(TControl* control)
{
    ReleaseCapture();
    TControlHost::Current().Pointer().SetGraphicCapture(nullptr);
    if (!control) return;
    TWinControl* windowed = dynamic_cast<TWinControl*>(control);
    if (!windowed) {
        // A graphic control captures through its parent's window.
        windowed = control->Parent();
        if (!windowed) return;
        TControlHost::Current().Pointer().SetGraphicCapture(control);
    }
    SetCapture(windowed->Handle());
}
