// TWinControl's window: creation, destruction, the window procedure,
// showing, and the bounds the window reports.

#include "platform/ui/base/WinControl.h"

#include "platform/ui/base/ControlHost.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <utility>

namespace {

// The control whose window CreateWindowEx is making; its first message
// hands the window over (InitWndProc). One thread, and creation does not
// nest before the first message arrives.
TWinControl* g_creationControl = nullptr;

}  // namespace

HWND TWinControl::Handle()
{
    HandleNeeded();
    return m_handle;
}

void TWinControl::HandleNeeded()
{
    if (m_handle) return;
    if (Parent()) Parent()->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateHandle()
{
    if (m_handle) return;
    CreateWnd();
    if (Parent() && m_handle) {
        SetWindowPos(m_handle, Parent()->PrecedingWindow(this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (TControl* child : m_controls) child->UpdateAnchorRules();
}

void TWinControl::CreateParams(TCreateParams& params)
{
    params.Caption = Text();
    params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (ControlStyle().Contains(csAcceptsControls)) {
        params.Style |= WS_CLIPCHILDREN;
        params.ExStyle |= WS_EX_CONTROLPARENT;
    }
    if (!Enabled()) params.Style |= WS_DISABLED;
    if (m_tabStop) params.Style |= WS_TABSTOP;
    if (Visible() && Parent()) params.Style |= WS_VISIBLE;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WindowClass.style = CS_VREDRAW | CS_HREDRAW;
    if (ControlStyle().Contains(csDoubleClicks)) params.WindowClass.style |= CS_DBLCLKS;
    params.WindowClass.lpfnWndProc = nullptr;  // unhandled messages: DefWindowProc
    params.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    params.WinClassName = ClassName();
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    if (!params.WndParent && (params.Style & WS_CHILD)) {
        if (!Parent()) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
        params.WndParent = Parent()->Handle();
    }
    m_defWndProc = params.WindowClass.lpfnWndProc;
    RegisterWindowClass(params);
    CreateWindowHandle(params);
    if (!m_handle) throw EOutOfResources("Error creating window for " + std::string(ClassName()));
}

void TWinControl::RegisterWindowClass(const TCreateParams& params)
{
    WNDCLASS existing;
    if (GetClassInfo(params.WinClassName, existing)) return;
    WNDCLASS wc = params.WindowClass;
    wc.lpszClassName = params.WinClassName;
    wc.lpfnWndProc = MakeObjectInstance(&TWinControl::InitWndProc);
    if (!RegisterClass(wc)) throw EOutOfResources("Cannot register window class " + params.WinClassName);
}

void TWinControl::CreateWindowHandle(const TCreateParams& params)
{
    m_objectInstance = MakeObjectInstance(
        [this](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return MainWndProc(hwnd, msg, wParam, lParam); });
    g_creationControl = this;
    const HWND hwnd = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X,
                                     params.Y, params.Width, params.Height, params.WndParent, nullptr, nullptr);
    g_creationControl = nullptr;
    if (!hwnd && m_objectInstance) {
        FreeObjectInstance(m_objectInstance);
        m_objectInstance = nullptr;
    }
}

LRESULT TWinControl::InitWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* control = std::exchange(g_creationControl, nullptr);
    if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
    control->m_handle = hwnd;
    SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(control->m_objectInstance));
    RegisterControlWindow(hwnd, control);
    return CallWindowProc(control->m_objectInstance, hwnd, msg, wParam, lParam);
}

LRESULT TWinControl::MainWndProc(HWND /*hwnd*/, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    // A handler may free the control (CM_RELEASE): the call runs on a copy.
    const TWndMethod proc = WindowProc;
    try {
        proc(message);
    } catch (...) {
        TControlHost::Current().HandleException(this);
    }
    return message.Result;
}

// --- destruction ------------------------------------------------------------------

void TWinControl::DestroyHandle()
{
    if (!m_handle) return;
    for (TWinControl* child : m_tabList) child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd()
{
    if (!m_handle) return;
    SetControlState(ControlState().Include(csDestroyingHandle));
    // The window dies with its window system; a stale handle is left alone.
    if (WindowSystem::Exists() && IsWindow(m_handle)) DestroyWindow(m_handle);
    SetControlState(ControlState().Exclude(csDestroyingHandle));
    ForgetWindow();
}

void TWinControl::WMNCDestroy(TMessage& message)
{
    DefaultHandler(message);
    ForgetWindow();
}

void TWinControl::ForgetWindow()
{
    if (m_handle && WindowSystem::Exists() && IsWindow(m_handle)) RegisterControlWindow(m_handle, nullptr);
    m_handle = nullptr;
    m_showing = false;
    if (m_objectInstance) {
        FreeObjectInstance(m_objectInstance);
        m_objectInstance = nullptr;
    }
}

void TWinControl::RecreateWnd()
{
    if (m_handle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage& /*message*/)
{
    const bool wasFocused = Focused();
    DestroyHandle();
    UpdateControlState();
    if (wasFocused && m_handle) ::SetFocus(m_handle);
}

// --- showing ------------------------------------------------------------------------

// The classic rule: only controls on a form (showing all the way up) get
// windows through visibility; a form shows itself.
void TWinControl::UpdateControlState()
{
    const TWinControl* root = this;
    while (root->Parent()) {
        root = root->Parent();
        if (!root->Showing()) return;
    }
    if (dynamic_cast<const TCustomForm*>(root)) UpdateShowing();
}

void TWinControl::UpdateShowing()
{
    const bool show = Visible() && !ControlState().Contains(csReadingState);
    if (show) {
        if (!m_handle) CreateHandle();
        // Children may leave while they are shown: walk a copy.
        const std::vector<TWinControl*> children = m_tabList;
        for (TWinControl* child : children) child->UpdateShowing();
    }
    if (!m_handle || m_showing == show) return;
    m_showing = show;
    try {
        Perform(CM_SHOWINGCHANGED, 0, 0);
    } catch (...) {
        m_showing = !show;
        throw;
    }
}

void TWinControl::CMShowingChanged(TMessage& /*message*/)
{
    const UINT show = m_showing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    SetWindowPos(m_handle, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | show);
}

// --- bounds -------------------------------------------------------------------------

bool TWinControl::MoveWindowTo(const TRect& bounds)
{
    if (!m_handle || IsIconic(m_handle)) return false;
    SetWindowPos(m_handle, nullptr, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
    return true;
}

void TWinControl::UpdateBounds()
{
    if (!m_handle || IsIconic(m_handle)) return;
    RECT rect;
    if (!GetWindowRect(m_handle, rect)) return;
    if (GetWindowLongPtr(m_handle, GWL_STYLE) & WS_CHILD) {
        POINT topLeft = rect.TopLeft();
        ::ScreenToClient(GetParent(m_handle), topLeft);
        rect = TRect::FromSize(topLeft.X, topLeft.Y, rect.Width(), rect.Height());
    }
    if (rect == BoundsRect()) return;
    const TRect old = BoundsRect();
    StoreBounds(rect);
    BoundsChanged(old);
}

void TWinControl::WMCreate(TMessage& message)
{
    DefaultHandler(message);
}

void TWinControl::WMWindowPosChanged(TMessage& message)
{
    UpdateBounds();
    DefaultHandler(message);
}

void TWinControl::WMSize(TMessage& message)
{
    DefaultHandler(message);
    Realign();
}

void TWinControl::SizeChanged()
{
    Realign();
    TControl::SizeChanged();
}

TRect TWinControl::FrameMargins() const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(frame, params.Style, false, params.ExStyle);
    return {-frame.Left + m_borderWidth, -frame.Top + m_borderWidth, frame.Right + m_borderWidth,
            frame.Bottom + m_borderWidth};
}

TRect TWinControl::ClientRect() const
{
    if (m_handle) {
        RECT client;
        GetClientRect(m_handle, client);
        return client;
    }
    const TRect margins = FrameMargins();
    return {0, 0, std::max(Width() - margins.Left - margins.Right, 0),
            std::max(Height() - margins.Top - margins.Bottom, 0)};
}

TPoint TWinControl::ClientOrigin() const
{
    if (m_handle) {
        POINT origin{0, 0};
        ::ClientToScreen(m_handle, origin);
        return origin;
    }
    const TRect margins = FrameMargins();
    const TPoint inside{Left() + margins.Left, Top() + margins.Top};
    return Parent() ? Parent()->ClientOrigin() + inside : inside;
}

HWND TWinControl::PrecedingWindow(const TWinControl* control) const
{
    auto it = std::find(m_controls.begin(), m_controls.end(), control);
    if (it == m_controls.end()) return HWND_TOP;
    for (++it; it != m_controls.end(); ++it) {
        const auto* windowed = dynamic_cast<const TWinControl*>(*it);
        if (windowed && windowed->m_handle) return windowed->m_handle;
    }
    return HWND_TOP;
}
