// TsuiForm's hold on its form: the replaced window procedure (put back in
// place whenever the form's window is made again), the form's size and
// activation, the resize hit tests, and keys for the menu.

#include "skin/frame/SUIForm.h"

#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/ui/menus/MainMenu.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"
#include "skin/core/SUIPublic.h"
#include "skin/frame/SUIFrameHitTest.h"
#include "skin/frame/SUITitleBar.h"

// The replaced procedure outlives the skinned form when the form's window
// is subclassed again by someone else: it then only passes messages on.
struct TFormSubclass {
    TsuiForm* Owner = nullptr;
    HWND Window = nullptr;      // the form window it is installed on
    WNDPROC OldProc = nullptr;  // that window's procedure before
    WNDPROC Proc = nullptr;     // ours
    TWndMethod OldWindowProc;   // the form's WindowProc before ours
};

namespace {

constexpr DWORD kCaptionBits = WS_CAPTION;  // WS_BORDER and WS_DLGFRAME

}  // namespace

void TsuiForm::WatchBorderStyle()
{
    if (!m_form || ComponentState().Contains(csDesigning)) return;
    if (!m_subclass) m_subclass = std::make_shared<TFormSubclass>();
    m_subclass->Owner = this;
    m_subclass->OldWindowProc = m_form->WindowProc;
    m_form->WindowProc = [s = m_subclass](TMessage& message) {
        if (s->Owner && message.Msg == CM_RECREATEWND && s->Owner->RetakeBorder()) return;
        s->OldWindowProc(message);
    };
}

// A border style set after the take-over becomes the frame's kind (the
// resize zones follow it) and the form stays borderless: the window is
// made once, without the platform's frame.
bool TsuiForm::RetakeBorder()
{
    const TFormBorderStyle style = m_form->BorderStyle();
    if (style == bsNone || m_form->FormStyle() == fsMDIChild || m_form->FormStyle() == fsMDIForm) return false;
    m_formBorderStyle = style;
    m_form->SetBorderStyle(bsNone);
    return true;
}

void TsuiForm::SubclassForm()
{
    if (!m_form || !m_form->HandleAllocated() || ComponentState().Contains(csDesigning)) return;
    const HWND hwnd = m_form->WindowHandle();
    if (m_subclass && m_subclass->Window == hwnd) return;
    if (!m_subclass->Proc) {
        m_subclass->Proc = MakeObjectInstance(
            [s = m_subclass](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
                if (!s->Owner) return CallWindowProc(s->OldProc, h, msg, w, l);
                return s->Owner->NewParentWndProc(h, msg, w, l);
            });
    }
    m_subclass->Window = hwnd;
    m_subclass->OldProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_subclass->Proc)));
    const auto style = DWORD(GetWindowLongPtr(hwnd, GWL_STYLE));
    SetWindowLongPtr(hwnd, GWL_STYLE, LONG_PTR(style & ~kCaptionBits));
}

void TsuiForm::ReleaseForm()
{
    if (!m_subclass) return;
    m_subclass->Owner = nullptr;
    // The windows die with their window system; nothing is left to unhook.
    const HWND hwnd = WindowSystem::Exists() ? m_subclass->Window : nullptr;
    const bool ours = hwnd && IsWindow(hwnd) &&
                      reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, GWL_WNDPROC)) == m_subclass->Proc;
    if (ours) SetWindowLongPtr(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(m_subclass->OldProc));
    if (ours || !hwnd || !IsWindow(hwnd)) {
        if (m_subclass->Proc) FreeObjectInstance(m_subclass->Proc);
        m_subclass->Proc = nullptr;
    }
    // Otherwise someone subclassed the window after us: our procedure stays
    // in the chain and passes everything on, as the WindowProc hook does.
    m_subclass = nullptr;
}

LRESULT TsuiForm::NewParentWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const std::shared_ptr<TFormSubclass> subclass = m_subclass;
    TMessage message{msg, wParam, lParam, CallWindowProc(subclass->OldProc, hwnd, msg, wParam, lParam)};
    if (!subclass->Owner) return message.Result;  // the skinned form went meanwhile
    switch (msg) {
    case WM_NCDESTROY: subclass->Window = nullptr; break;
    case WM_KEYDOWN: message.Result = ProcessKeyPress(message); break;
    case WM_SHOWWINDOW: m_form->SetMenu(nullptr); break;
    case WM_ACTIVATE: if (m_titleBar) m_titleBar->SetActive(LOWORD(wParam) != WA_INACTIVE); break;
    case WM_SIZE: FormSized(); break;
    case WM_ERASEBKGND: PaintFormBorder(); break;
    case WM_NCHITTEST: FormHitTest(message); break;
    default: break;
    }
    return message.Result;
}

bool TsuiForm::FormMaximized() const
{
    return m_form && m_form->WindowState() == wsMaximized;
}

void TsuiForm::FormSized()
{
    if (m_startMaximized && !IsZoomed(m_form->WindowHandle())) {
        m_startMaximized = false;
        PlaceControl(m_form, m_normalBounds);
    }
    if (IsZoomed(m_form->WindowHandle()) && m_form->FormStyle() != fsMDIChild && m_formBorderStyle != bsNone) {
        PlaceControl(m_form, GetWorkAreaRect());
    }
    FollowForm();
}

void TsuiForm::FollowForm()
{
    AlignSelf();
    PaintFormBorder();
    if (!m_titleBar) return;
    m_titleBar->OnFormReSize();
    // Maximised or restored by other means (the window manager, the
    // keyboard): the maximise button shows what a click would do now.
    const bool zoomed = IsZoomed(m_form->WindowHandle());
    if (zoomed != m_wasZoomed) m_titleBar->ProcessMaxBtn();
    m_wasZoomed = zoomed;
}

void TsuiForm::FormHitTest(TMessage& message)
{
    if (IsZoomed(m_form->WindowHandle())) return;
    if (m_form->FormStyle() == fsMDIForm && message.Result == HTCLIENT) message.Result = HTTRANSPARENT;
    if (m_formBorderStyle != bsSizeable) return;
    const TPoint p = m_form->ScreenToClient(LParamToPoint(message.LParam));
    const TRect client = m_form->ClientRect();
    message.Result = FormEdgeHitTest(p, {client.Width(), client.Height()}, int(message.Result));
}

LRESULT TsuiForm::ProcessKeyPress(const TMessage& message)
{
    if (!m_menu || !FormHasFocus(m_form) || !m_form->Active()) return 0;
    TWMKey key{message.Msg, WORD(message.WParam), message.LParam};
    return m_menu->IsShortCut(key) ? 1 : 0;
}

void TsuiForm::OnApplicationMessage(MSG& msg, bool& handled)
{
    if (msg.message != WM_KEYDOWN) return;
    const TMessage message{msg.message, msg.wParam, msg.lParam, 0};
    handled = ProcessKeyPress(message) != 0;
}

void TsuiForm::WMCreate(TMessage& message)
{
    TCustomPanel::Dispatch(message);
    // The form's window may be new (a border style change makes it again):
    // its procedure and its region are put back.
    SubclassForm();
    FollowForm();
}

void TsuiForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_CREATE: WMCreate(message); break;
    case WM_ERASEBKGND: PaintFormBorder(); message.Result = 1; break;
    default: TCustomPanel::Dispatch(message); break;
    }
}
