// TCustomForm's active control, focus changes, activation and dialog keys.
//
// A focus change inside a form (SetFocusedControl), in order:
//   form change    CM_DEACTIVATE to the form that had the focus, CM_ACTIVATE to this one
//   exits          CM_EXIT to each control of the old focus chain that does
//                  not hold the new control, innermost first
//   enters         CM_ENTER to each control from the outermost down to the new one
//   then           CM_FOCUSCHANGED to the form, which tells all its children
// A handler may move the focus again on the way; the change then stops.

#include "platform/ui/forms/CustomForm.h"

#include "platform/ui/forms/Screen.h"
#include "platform/win/WinApi.h"

#include <utility>

bool TCustomForm::SendFocusMessage(HWND hwnd, UINT msg)
{
    const int count = Screen->m_focusCount;
    SendMessage(hwnd, msg, 0, 0);
    return Screen->m_focusCount == count;
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (m_activeControl == control) return;
    if (control && (control == this || GetParentForm(control) != this || !(IsLoading() || control->CanFocus()))) {
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    }
    m_activeControl = control;
    if (IsLoading()) return;
    if (m_active) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control)
{
    const bool wasActive = m_active;
    SetActiveControl(control);
    if (!wasActive) SetFocus();
}

bool TCustomForm::CanFocus() const
{
    return Visible() && Enabled();
}

void TCustomForm::SetFocus()
{
    if (m_active) return;
    if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus()
{
    const HWND focus = m_activeControl ? m_activeControl->Handle() : WindowHandle();
    if (!focus) return;
    const bool hadFocus = GetFocus() == focus;
    ::SetFocus(focus);
    // A window that had the focus already gets no WM_SETFOCUS: the form still learns of it.
    if (hadFocus && Screen->m_focusedForm == this) SendMessage(focus, WM_SETFOCUS, 0, 0);
}

void TCustomForm::SetActive(bool active)
{
    m_active = active;
    if (!active) return;
    if (!m_activeControl) SetActiveControl(FindNextControl(nullptr, {true, true, false}));
    SetWindowFocus();
}

bool TCustomForm::SetFocusedControl(TWinControl* control)
{
    ++Screen->m_focusCount;
    m_activeControl = control != this ? control : nullptr;
    Screen->m_activeControl = control;
    Screen->m_activeForm = this;
    if (control->ControlState().Contains(csFocusing)) return false;
    control->SetControlState(control->ControlState().Include(csFocusing));
    const TComponentWatch watch(control);
    struct Unmark {
        TWinControl* control;
        const TComponentWatch& watch;
        ~Unmark()
        {
            if (watch.Alive()) control->SetControlState(control->ControlState().Exclude(csFocusing));
        }
    } unmark{control, watch};

    if (Screen->m_focusedForm != this) {
        if (TCustomForm* previous = std::exchange(Screen->m_focusedForm, nullptr)) {
            if (!SendFocusMessage(previous->WindowHandle(), CM_DEACTIVATE)) return false;
        }
        Screen->m_focusedForm = this;
        if (!SendFocusMessage(WindowHandle(), CM_ACTIVATE)) return false;
    }
    if (!m_focusedControl) m_focusedControl = this;
    if (m_focusedControl == control) return true;
    while (m_focusedControl && !m_focusedControl->ContainsControl(control)) {
        const HWND leaving = m_focusedControl->WindowHandle();
        m_focusedControl = m_focusedControl->Parent();
        if (!SendFocusMessage(leaving, CM_EXIT)) return false;
    }
    while (m_focusedControl != control) {
        TWinControl* next = control;
        while (next->Parent() != m_focusedControl) next = next->Parent();
        m_focusedControl = next;
        if (!SendFocusMessage(next->Handle(), CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing)
{
    if (removing && m_focusedControl && control->ContainsControl(m_focusedControl)) {
        m_focusedControl = control->Parent();
    }
    if (!m_activeControl || !control->ContainsControl(m_activeControl)) return;
    if (IsDestroying()) {
        m_activeControl = nullptr;
        return;
    }
    SetActiveControl(nullptr);
}

void TCustomForm::WMActivate(TMessage& message)
{
    SetActive(LOWORD(message.WParam) != WA_INACTIVE);
}

void TCustomForm::CMActivate(TMessage& /*message*/)
{
    Activate();
}

void TCustomForm::CMDeactivate(TMessage& /*message*/)
{
    Deactivate();
}

// Tab moves through the tab order, arrows among the active control's
// siblings; other keys go to the children (TWinControl::CMDialogKey).
void TCustomForm::CMFormDialogKey(TMessage& message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (message.WParam) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0) break;
            SelectNext(m_activeControl, {.GoForward = GetKeyState(VK_SHIFT) >= 0, .CheckTabStop = true});
            message.Result = 1;
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (m_activeControl && m_activeControl->Parent()) {
                const bool forward = message.WParam == VK_RIGHT || message.WParam == VK_DOWN;
                m_activeControl->Parent()->SelectNext(
                    m_activeControl, {.GoForward = forward, .CheckTabStop = false, .CheckParent = true});
                message.Result = 1;
            }
            return;
        default: break;
        }
    }
    TWinControl::CMDialogKey(message);
}
