// ShowModal and its nested message loop, written once.
//
//   ShowModal                     the form owned by the active window (or the
//                                 main form), the other top-level windows
//                                 disabled, the form shown and activated
//   RunModalLoop                  messages until ModalResult != mrNone and
//                                 CloseQuery/OnClose let the form go; the
//                                 application ending gives mrCancel
//   afterwards                    the form hidden, the other windows enabled,
//                                 the window that was active active again

#include "platform/ui/forms/CustomForm.h"

#include "platform/ui/forms/Application.h"
#include "platform/ui/forms/Screen.h"
#include "platform/win/WinApi.h"

#include <vector>

namespace {

// Disables the visible, enabled top-level windows except the modal one and
// brings them back afterwards, with the active window and the screen's
// cursor.
class TModalState {
public:
    TModalState() : m_activeWindow(GetActiveWindow()), m_cursor(Screen->Cursor())
    {
        for (const HWND hwnd : GetTopLevelWindows()) {
            if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) continue;
            EnableWindow(hwnd, false);
            m_disabled.push_back(hwnd);
        }
        Screen->SetCursor(crDefault);
        m_cursorCount = Screen->CursorCount();
    }
    ~TModalState()
    {
        // A cursor set during the loop is the loop's business: it goes back to crDefault.
        Screen->SetCursor(Screen->CursorCount() == m_cursorCount ? m_cursor : crDefault);
        for (const HWND hwnd : m_disabled) {
            if (IsWindow(hwnd)) EnableWindow(hwnd, true);
        }
        if (m_activeWindow && IsWindow(m_activeWindow)) SetActiveWindow(m_activeWindow);
    }
    TModalState(const TModalState&) = delete;
    TModalState& operator=(const TModalState&) = delete;

private:
    std::vector<HWND> m_disabled;
    HWND m_activeWindow = nullptr;
    TCursor m_cursor = crDefault;
    int m_cursorCount = 0;
};

// The window a modal form answers: the active one, else the main form.
HWND ModalOwnerFor(const TCustomForm& form)
{
    const HWND self = form.WindowHandle();
    const HWND active = GetActiveWindow();
    if (active && active != self) return active;
    const TCustomForm* main = Application->MainForm();
    if (main && main != &form && main->HandleAllocated()) return main->WindowHandle();
    return nullptr;
}

}  // namespace

void RunModalLoop(TCustomForm& form)
{
    const TComponentWatch watch(&form);
    for (;;) {
        Application->HandleMessage([&] { return !watch.Alive() || form.m_modalResult != mrNone; });
        if (!watch.Alive()) return;
        if (Application->Terminated()) {
            form.m_modalResult = mrCancel;
        } else if (form.m_modalResult != mrNone) {
            form.CloseModal();
            if (!watch.Alive()) return;
        }
        if (form.m_modalResult != mrNone) return;
    }
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || m_modal) throw EInvalidOperation("Cannot make a visible window modal");
    if (const HWND capture = GetCapture()) SendMessage(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    // Owned, the form stays above its owner and goes and comes with it on the desktop.
    SetWindowLongPtr(Handle(), GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(ModalOwnerFor(*this)));
    const TComponentWatch watch(this);
    m_modal = true;
    Screen->m_savedFocusedForms.insert(Screen->m_savedFocusedForms.begin(), Screen->m_focusedForm);
    Screen->m_focusedForm = this;
    TModalResult result = mrCancel;
    {
        const TModalState state;
        struct Leave {
            TCustomForm* form;
            const TComponentWatch& watch;
            ~Leave()
            {
                auto& saved = Screen->m_savedFocusedForms;
                Screen->m_focusedForm = saved.empty() ? nullptr : saved.front();
                if (!saved.empty()) saved.erase(saved.begin());
                if (!watch.Alive()) return;
                form->m_modal = false;
                form->Hide();
            }
        } leave{this, watch};
        Show();
        SendMessage(Handle(), CM_ACTIVATE, 0, 0);
        m_modalResult = mrNone;
        RunModalLoop(*this);
        if (watch.Alive()) {
            result = m_modalResult;
            if (WindowHandle()) SendMessage(WindowHandle(), CM_DEACTIVATE, 0, 0);
        }
    }
    return result;
}
