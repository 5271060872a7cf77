#include "platform/ui/base/WinControl.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Font.h"
#include "platform/win/WinApi.h"

#include <algorithm>

TWinControl::TWinControl(TComponent* owner) : TControl(owner), m_brush(std::make_unique<TBrush>())
{
    m_brush->SetColor(Color());
}

TWinControl::~TWinControl()
{
    // Not on the heap, BeforeDestruction did not run: the same clean-up now.
    Destroying();
    RemoveFocus(true);
    DestroyHandle();
    DestroyChildControls();
    // The parent must still see a windowed control leave (its tab list).
    if (Parent()) Parent()->RemoveControl(this);
}

void TWinControl::BeforeDestruction()
{
    Destroying();
    RemoveFocus(true);
    DestroyHandle();
    DestroyChildControls();
    TControl::BeforeDestruction();
}

// The classic rule: a windowed control frees every control it holds,
// whoever owns them, the last first.
void TWinControl::DestroyChildControls()
{
    while (!m_controls.empty()) {
        TControl* child = m_controls.back();
        RemoveControl(child);
        delete child;
    }
}

void TWinControl::Loaded()
{
    FixupTabList();
    TControl::Loaded();
    if (ControlState().Contains(csAlignmentNeeded)) Realign();
}

// --- children -----------------------------------------------------------------

TControl* TWinControl::Controls(int index) const
{
    if (index < 0 || index >= ControlCount()) {
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return m_controls[std::size_t(index)];
}

void TWinControl::InsertControl(TControl* control)
{
    if (!control || control->m_parent == this) return;
    m_controls.push_back(control);
    control->m_parent = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) m_tabList.push_back(windowed);
    if (control->ComponentState().Contains(csReading)) return;
    // What the child takes from its new parent; the form reader sends these after reading.
    control->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    control->Perform(CM_PARENTFONTCHANGED, 0, 0);
    control->ParentShowHintChanged();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        windowed->UpdateControlState();
    } else if (HandleAllocated()) {
        control->Invalidate();
    }
    AlignControl(control);
}

void TWinControl::RemoveControl(TControl* control)
{
    const auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end()) return;
    // Compared by address: a control being destroyed may no longer be a TWinControl.
    std::erase_if(m_tabList, [control](const TWinControl* w) { return w == control; });
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        windowed->RemoveFocus(true);
        windowed->DestroyHandle();
    } else if (HandleAllocated()) {
        if (control->Visible()) control->InvalidateControl(false);
    }
    if (GetCaptureControl() == control) SetCaptureControl(nullptr);
    m_controls.erase(std::find(m_controls.begin(), m_controls.end(), control));
    control->m_parent = nullptr;
    if (!IsDestroying()) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent()) {
        if (c == this) return true;
    }
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, TControlAtPosOptions options) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        TControl* control = *it;
        if (!options.AllowWinControls && control->IsWindowed()) continue;
        if (!control->Visible() || !(control->Enabled() || options.AllowDisabled)) continue;
        if (!control->BoundsRect().Contains(pos)) continue;
        const TPoint local = pos - control->BoundsRect().TopLeft();
        if (control->Perform(CM_HITTEST, 0, PointToLParam(local)) != 0) return control;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    // Children may come and go while they are told: walk by index and stop at the end.
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        m_controls[i]->WindowProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT msg)
{
    TMessage message{msg, 0, reinterpret_cast<LPARAM>(this), 0};
    Broadcast(message);
}

// --- properties ---------------------------------------------------------------

void TWinControl::SetBorderWidth(int width)
{
    width = std::max(width, 0);
    if (m_borderWidth == width) return;
    m_borderWidth = width;
    Perform(CM_BORDERCHANGED, 0, 0);
}

void TWinControl::SetParentBackground(bool parentBackground)
{
    if (m_parentBackground == parentBackground) return;
    m_parentBackground = parentBackground;
    Invalidate();
}

void TWinControl::SetParent(TWinControl* parent)
{
    if (parent == Parent()) return;
    // The window belongs to the old parent's window: it is made again under the new one.
    if (Parent() && HandleAllocated()) DestroyHandle();
    TControl::SetParent(parent);
}

void TWinControl::SetZOrder(bool topMost)
{
    if (Parent()) ChangeZOrderInParent(topMost);
    if (!m_handle) return;
    const HWND after = topMost ? HWND_TOP : HWND_BOTTOM;
    SetWindowPos(m_handle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- messages ---------------------------------------------------------------------

void TWinControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_CREATE: WMCreate(message); break;
    case WM_NCDESTROY: WMNCDestroy(message); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(message); break;
    case WM_SIZE: WMSize(message); break;
    case WM_NCCALCSIZE: WMNCCalcSize(message); break;
    case WM_NCPAINT: WMNCPaint(message); break;
    case WM_PAINT: WMPaint(message); break;
    case WM_ERASEBKGND: WMEraseBkgnd(message); break;
    case WM_SETCURSOR: WMSetCursor(message); break;
    case WM_MOUSELEAVE: WMMouseLeave(message); break;
    case WM_CONTEXTMENU: WMContextMenu(message); break;
    case WM_SETFOCUS: WMSetFocus(message); break;
    case WM_KILLFOCUS: WMKillFocus(message); break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(message); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(message); break;
    case WM_CHAR: WMChar(message); break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: CNKeyDown(message); break;
    case CN_CHAR:
    case CN_SYSCHAR: CNChar(message); break;
    case CM_CHILDKEY: CMChildKey(message); break;
    case CM_DIALOGKEY: CMDialogKey(message); break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    case CM_ENTER: CMEnter(message); break;
    case CM_EXIT: CMExit(message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(message); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(message); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(message); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(message); break;
    case CM_COLORCHANGED: CMColorChanged(message); break;
    case CM_FONTCHANGED: CMFontChanged(message); break;
    case CM_BORDERCHANGED: CMBorderChanged(message); break;
    case CM_RECREATEWND: CMRecreateWnd(message); break;
    default: TControl::Dispatch(message); break;
    }
}

void TWinControl::DefaultHandler(TMessage& message)
{
    if (!m_handle) return;
    message.Result = CallWindowProc(m_defWndProc, m_handle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::CMColorChanged(TMessage& message)
{
    m_brush->SetColor(Color());
    NotifyControls(CM_PARENTCOLORCHANGED);
    TControl::CMColorChanged(message);
}

void TWinControl::CMFontChanged(TMessage& message)
{
    TControl::CMFontChanged(message);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMVisibleChanged(TMessage& message)
{
    if (!Visible() && Parent()) RemoveFocus(false);
    UpdateControlState();
    TControl::CMVisibleChanged(message);
}

void TWinControl::CMEnabledChanged(TMessage& /*message*/)
{
    if (!Enabled() && Parent()) RemoveFocus(false);
    if (m_handle) EnableWindow(m_handle, Enabled());
    Invalidate();
}

void TWinControl::CMBorderChanged(TMessage& /*message*/)
{
    if (!m_handle) {
        Realign();
        return;
    }
    // The frame changes size: WM_NCCALCSIZE again, then everything repaints.
    SetWindowPos(m_handle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(m_handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    Realign();
}
