#include "platform/ui/forms/CustomForm.h"

#include "platform/core/Resources.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/forms/Application.h"
#include "platform/ui/base/ControlCanvas.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/forms/FormReader.h"
#include "platform/ui/graphics/Icon.h"
#include "platform/ui/menus/MainMenu.h"
#include "platform/ui/forms/Screen.h"
#include "platform/ui/base/SizeConstraints.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TCustomForm);

void TCustomForm::Publish(TClassBuilder<TCustomForm>& /*c*/) {}

namespace {

constexpr int kDefaultWidth = 320;   // pixels
constexpr int kDefaultHeight = 240;  // pixels

}  // namespace

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), m_icon(std::make_unique<TIcon>()), m_canvas(std::make_unique<TControlCanvas>())
{
    SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    m_canvas->SetControl(this);
    SetVisible(false);
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetColor(clBtnFace);
    SetParentFont(false);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction()
{
    if (m_constructed) return;
    m_constructed = true;
    ReadFormResource();
    DoCreate();
}

void TCustomForm::ReadFormResource()
{
    const std::string name = UpperCase(ClassName());
    const auto bytes = FindResource(TResourceKind::Form, name);
    if (!bytes) return;
    ReadForm(*this, ResourceText(*bytes));
}

void TCustomForm::BeforeDestruction()
{
    Destroying();
    try {
        DoDestroy();
    } catch (...) {
        Application->HandleException(this);
    }
    TWinControl::BeforeDestruction();
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    // The client size waited for the frame the border style gives.
    if (m_readClientWidth >= 0) SetClientWidth(std::exchange(m_readClientWidth, -1));
    if (m_readClientHeight >= 0) SetClientHeight(std::exchange(m_readClientHeight, -1));
}

void TCustomForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == m_activeControl) m_activeControl = nullptr;
    if (component == m_focusedControl) m_focusedControl = nullptr;
    if (component == m_menu) m_menu = nullptr;
}

// --- properties -------------------------------------------------------------------

void TCustomForm::SetMenu(TMainMenu* menu)
{
    if (m_menu == menu) return;
    if (m_menu) RemoveFreeNotification(m_menu);
    m_menu = menu;
    if (m_menu) FreeNotification(m_menu);
}

bool TCustomForm::IsShortCut(TWMKey& message) { return m_menu && m_menu->IsShortCut(message); }

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    if (m_borderStyle == style) return;
    m_borderStyle = style;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons)
{
    if (m_borderIcons == icons) return;
    m_borderIcons = icons;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle style)
{
    if (m_formStyle == style) return;
    m_formStyle = style;
    if (WindowHandle()) {
        SetWindowPos(WindowHandle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TCustomForm::SetIcon(TIcon* icon)
{
    if (icon) m_icon->Assign(*icon);
}

void TCustomForm::SetClientWidth(int width)
{
    if (ComponentState().Contains(csReading)) {
        m_readClientWidth = width;
        return;
    }
    TWinControl::SetClientWidth(width);
}

void TCustomForm::SetClientHeight(int height)
{
    if (ComponentState().Contains(csReading)) {
        m_readClientHeight = height;
        return;
    }
    TWinControl::SetClientHeight(height);
}

TCanvas* TCustomForm::Canvas() const
{
    return m_canvas.get();
}

// --- the window --------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style &= ~DWORD(WS_CHILD | WS_GROUP | WS_TABSTOP | WS_VISIBLE);
    params.WndParent = nullptr;
    params.WindowClass.style = CS_DBLCLKS;
    switch (m_borderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        params.Style |= WS_POPUP | WS_CAPTION;
        params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (m_borderStyle == bsToolWindow || m_borderStyle == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
    if (m_borderStyle != bsNone) {
        if (m_borderIcons.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
        // Dialogs and tool windows have no minimise or maximise boxes.
        const bool boxes = m_borderStyle != bsDialog && m_borderStyle != bsToolWindow && m_borderStyle != bsSizeToolWin;
        if (boxes && m_borderIcons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
        if (boxes && m_borderIcons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
    }
    if (m_formStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::DestroyWnd()
{
    m_canvas->FreeHandle();
    TWinControl::DestroyWnd();
}

void TCustomForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ACTIVATE: WMActivate(message); break;
    case WM_CLOSE: WMClose(message); break;
    case WM_SYSCOMMAND: WMSysCommand(message); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(message); break;
    case WM_SIZE: WMFormSize(message); break;
    case WM_PAINT: WMFormPaint(message); break;
    case CM_ACTIVATE: CMActivate(message); break;
    case CM_DEACTIVATE: CMDeactivate(message); break;
    case CM_DIALOGKEY: CMFormDialogKey(message); break;
    case CM_SHOWINGCHANGED: CMFormShowingChanged(message); break;
    case CM_RELEASE: CMRelease(message); break;
    default: TWinControl::Dispatch(message); break;
    }
}

// The form's size limits are the window's track sizes.
void TCustomForm::WMGetMinMaxInfo(TMessage& message)
{
    DefaultHandler(message);
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    if (!info) return;
    const TSizeConstraints& limits = *Constraints();
    if (limits.MinWidth() > 0) info->ptMinTrackSize.X = limits.MinWidth();
    if (limits.MinHeight() > 0) info->ptMinTrackSize.Y = limits.MinHeight();
    if (limits.MaxWidth() > 0) info->ptMaxTrackSize.X = limits.MaxWidth();
    if (limits.MaxHeight() > 0) info->ptMaxTrackSize.Y = limits.MaxHeight();
}

void TCustomForm::WMFormPaint(TMessage& message)
{
    // The form paints itself (OnPaint) under its graphic controls.
    SetControlState(ControlState().Include(csCustomPaint));
    WMPaint(message);
    SetControlState(ControlState().Exclude(csCustomPaint));
}

void TCustomForm::PaintWindow(HDC dc)
{
    const TCanvasPaintScope scope(*m_canvas, dc);
    Paint();
}

void TCustomForm::Paint()
{
    if (OnPaint) OnPaint(this);
}

// --- events -----------------------------------------------------------------------------

void TCustomForm::DoCreate()
{
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy()
{
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow()
{
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide()
{
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& action)
{
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Activate()
{
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate()
{
    if (OnDeactivate) OnDeactivate(this);
}
