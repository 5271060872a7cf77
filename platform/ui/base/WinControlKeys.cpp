// TWinControl's WndProc (focus bookkeeping, mouse forwarding to graphic
// children, mouse enter and leave), keys and dialog keys.
//
// A key goes first to the focused control as CN_KEYDOWN (see
// TApplication::IsKeyMsg). The control asks its parents (CM_CHILDKEY);
// then Tab, arrows, Enter and Escape that it does not want (WM_GETDLGCODE)
// go to the form as CM_DIALOGKEY: the form moves the focus for Tab and
// arrows and offers the rest to its children in creation order, depth
// first, until one takes it. Only keys nobody took become WM_KEYDOWN.

#include "platform/ui/base/WinControl.h"

#include "platform/ui/base/ControlHost.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/menus/MenuWMKey.h"
#include "platform/win/WinApi.h"

namespace {

// Mouse messages with client coordinates in lParam (the wheel has screen coordinates).
bool IsClientMouseMessage(UINT msg)
{
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL;
}

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    if (keyData & KF_ALTDOWN_BIT) shift.Include(ssAlt);
    return shift;
}

// The WM_GETDLGCODE answer that says the control wants key itself.
LRESULT WantMaskFor(WPARAM key)
{
    switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
    }
}

}  // namespace

void TWinControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        // The form learns first; it may move the focus elsewhere.
        if (TCustomForm* form = GetParentForm(this); form && !form->SetFocusedControl(this)) return;
        break;
    case WM_KILLFOCUS:
        if (ControlState().Contains(csFocusing)) return;
        break;
    case WM_CANCELMODE:
        if (TControl* graphic = TControlHost::Current().Pointer().GraphicCapture();
            graphic && graphic->Parent() == this && GetCapture() == m_handle) {
            graphic->Perform(WM_CANCELMODE, 0, 0);
        }
        break;
    default:
        if (IsClientMouseMessage(message.Msg)) {
            TrackMouseFor(message);
            if (IsControlMouseMsg(message)) return;
        }
        break;
    }
    TControl::WndProc(message);
}

// The control the pointer is over: a graphic child, this control, or
// nobody when the pointer is outside (the mouse is captured).
void TWinControl::TrackMouseFor(const TMessage& message)
{
    if (message.Msg != WM_MOUSEMOVE || !m_handle) return;
    const TPoint p = LParamToPoint(message.LParam);
    TControl* over = nullptr;
    if (ClientRect().Contains(p)) {
        over = ControlAtPos(p);
        if (!over) over = this;
    }
    TRACKMOUSEEVENT tme{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_handle, 0};
    TrackMouseEvent(tme);
    TControlHost::Current().Pointer().SetMouseControl(over);
}

void TWinControl::WMMouseLeave(TMessage& message)
{
    TPointerState& pointer = TControlHost::Current().Pointer();
    TControl* over = pointer.MouseControl();
    if (over == this || (over && over->Parent() == this && !over->IsWindowed())) pointer.SetMouseControl(nullptr);
    DefaultHandler(message);
}

bool TWinControl::IsControlMouseMsg(TMessage& message)
{
    TControl* control = nullptr;
    if (m_handle && GetCapture() == m_handle) {
        TControl* graphic = TControlHost::Current().Pointer().GraphicCapture();
        if (graphic && graphic->Parent() == this) control = graphic;
    } else {
        control = ControlAtPos(LParamToPoint(message.LParam));
    }
    if (!control) return false;
    const TPoint p = LParamToPoint(message.LParam) - control->BoundsRect().TopLeft();
    message.Result = control->Perform(message.Msg, message.WParam, PointToLParam(p));
    return true;
}

// --- keys ------------------------------------------------------------------------------

void TWinControl::WMKeyDown(TMessage& message)
{
    if (!DoKeyDown(message)) DefaultHandler(message);
}

void TWinControl::WMKeyUp(TMessage& message)
{
    if (!DoKeyUp(message)) DefaultHandler(message);
}

void TWinControl::WMChar(TMessage& message)
{
    if (!DoKeyPress(message)) DefaultHandler(message);
}

bool TWinControl::DoKeyDown(TMessage& message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(message)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    WORD key = WORD(message.WParam);
    KeyDown(key, KeyDataToShiftState(message.LParam));
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(message)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    WORD key = WORD(message.WParam);
    KeyUp(key, KeyDataToShiftState(message.LParam));
    message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(message)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    char32_t key = char32_t(message.WParam);
    KeyPress(key);
    message.WParam = WPARAM(key);
    return key == 0;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift)
{
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift)
{
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress) OnKeyPress(this, key);
}

// --- dialog keys --------------------------------------------------------------------------

// A key before the control sees it: the form's menu shortcuts first, then
// the parents, then the form's dialog keys unless the control wants the key.
// Result 1: one of them used the key and it goes no further.
void TWinControl::CNKeyDown(TMessage& message)
{
    message.Result = 1;
    TCustomForm* form = GetParentForm(this);
    TWMKey key{message.Msg, WORD(message.WParam), message.LParam};
    if (form && form->IsShortCut(key)) return;
    if (Perform(CM_CHILDKEY, message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    const LRESULT mask = WantMaskFor(message.WParam);
    if (mask && Perform(CM_WANTSPECIALKEY, message.WParam, 0) == 0 && (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
        if (form && form->Perform(CM_DIALOGKEY, message.WParam, message.LParam) != 0) return;
    }
    message.Result = 0;
}

void TWinControl::CNChar(TMessage& message)
{
    message.Result = 1;
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return;
    }
    message.Result = 0;
}

// A key of a descendant: the parents may take it first (Result != 0).
void TWinControl::CMChildKey(TMessage& message)
{
    if (Parent()) message.Result = Parent()->Perform(CM_CHILDKEY, message.WParam, message.LParam);
}

void TWinControl::CMDialogKey(TMessage& message)
{
    Broadcast(message);
}

void TWinControl::CMDialogChar(TMessage& message)
{
    Broadcast(message);
}
