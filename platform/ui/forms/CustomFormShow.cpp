// TCustomForm's showing and hiding, first position, window state and closing.

#include "platform/ui/forms/CustomForm.h"

#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/WinApi.h"

namespace {

int ShowCommandFor(TWindowState state)
{
    switch (state) {
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
    }
}

}  // namespace

void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Hide()
{
    SetVisible(false);
}

void TCustomForm::CMFormShowingChanged(TMessage& /*message*/)
{
    if (m_showingChanging) throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
    m_showingChanging = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_showingChanging};
    const HWND hwnd = WindowHandle();
    if (Showing()) {
        try {
            DoShow();
        } catch (...) {
            Application->HandleException(this);
        }
        ApplyPosition();
        ShowWindow(hwnd, ShowCommandFor(m_windowState));
        return;
    }
    try {
        DoHide();
    } catch (...) {
        Application->HandleException(this);
    }
    ShowWindow(hwnd, SW_HIDE);
}

void TCustomForm::ApplyPosition()
{
    if (m_positionApplied) return;
    m_positionApplied = true;
    const TRect workArea = Screen->WorkAreaRect();
    TRect place = BoundsRect();
    switch (m_position) {
    case poScreenCenter: place = CenteredIn(Screen->DesktopRect()); break;
    case poDesktopCenter: place = CenteredIn(workArea); break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        const TCustomForm* around = Application->MainForm();
        if (m_position == poOwnerFormCenter) {
            if (const auto* owner = dynamic_cast<const TCustomForm*>(Owner())) around = owner;
        }
        const bool usable = around && around != this && around->Visible();
        place = CenteredIn(usable ? around->BoundsRect() : Screen->DesktopRect());
        break;
    }
    case poDefault:
    case poDefaultPosOnly: {
        const TPoint at = Screen->NextDefaultFormPlace();
        place = TRect::FromSize(at.X, at.Y, Width(), Height());
        break;
    }
    default: return;
    }
    SetBounds(place.Left, place.Top, place.Width(), place.Height());
}

TRect TCustomForm::CenteredIn(const TRect& area) const
{
    const int left = area.Left + (area.Width() - Width()) / 2;
    const int top = area.Top + (area.Height() - Height()) / 2;
    return TRect::FromSize(left, top, Width(), Height());
}

void TCustomForm::SetWindowState(TWindowState state)
{
    if (m_windowState == state) return;
    m_windowState = state;
    const HWND hwnd = WindowHandle();
    if (!hwnd || !Showing()) return;
    if (state != wsNormal) {
        ShowWindow(hwnd, ShowCommandFor(state));
        return;
    }
    // A window minimised from maximised comes back maximised first.
    for (int step = 0; step < 2 && (IsIconic(hwnd) || IsZoomed(hwnd)); ++step) ShowWindow(hwnd, SW_RESTORE);
    m_windowState = wsNormal;
}

void TCustomForm::WMFormSize(TMessage& message)
{
    if (Showing()) {
        switch (message.WParam) {
        case SIZE_MINIMIZED: m_windowState = wsMinimized; break;
        case SIZE_MAXIMIZED: m_windowState = wsMaximized; break;
        case SIZE_RESTORED: m_windowState = wsNormal; break;
        default: break;
        }
    }
    WMSize(message);
}

// --- closing ---------------------------------------------------------------------------

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close()
{
    if (m_modal) {
        m_modalResult = mrCancel;
        return;
    }
    const TComponentWatch watch(this);
    if (!CloseQuery() || !watch.Alive()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (!watch.Alive() || action == caNone) return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    const TComponentWatch watch(this);
    if (CloseQuery() && watch.Alive()) {
        action = caHide;
        DoClose(action);
    }
    if (!watch.Alive()) return;
    switch (action) {
    case caNone: m_modalResult = mrNone; break;
    case caFree: Release(); break;
    default: break;
    }
}

void TCustomForm::Release()
{
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage& /*message*/)
{
    delete this;
}

void TCustomForm::WMClose(TMessage& /*message*/)
{
    Close();
}

void TCustomForm::WMSysCommand(TMessage& message)
{
    if ((message.WParam & 0xFFF0) == SC_CLOSE) {
        Close();
        return;
    }
    DefaultHandler(message);
}
