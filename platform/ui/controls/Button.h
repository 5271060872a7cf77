#pragma once
// TButton: the classic push button. A click sets the parent form's
// ModalResult (when the button has one) before OnClick runs.
//
// Enter and Escape reach buttons as dialog keys (CM_DIALOGKEY), offered
// to the form's controls in creation order. Enter presses the active
// button: the focused button, or, while no button has the focus, a Default
// one. Escape presses a Cancel button. The active button wears a dark
// outline; the focused one a dotted focus rectangle. Its caption's '&'
// accelerator presses it too.

#include "platform/ui/controls/ButtonControl.h"

class TButton : public TButtonControl {
    QZ_DECLARE_CLASS(TButton, TButtonControl)

public:
    static constexpr int kDefaultWidth = 75;   // pixels
    static constexpr int kDefaultHeight = 25;  // pixels
    static constexpr int kFocusInset = 4;      // pixels from the edge to the focus rectangle

    explicit TButton(TComponent* owner);

    [[nodiscard]] bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    [[nodiscard]] bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel) { m_cancel = cancel; }
    [[nodiscard]] TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    // Enter presses this button now.
    [[nodiscard]] bool Active() const { return m_active; }

    void Click() override;
    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;

private:
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMFocusChanged(TMessage& message);
    // focused is the form's control with the focus (may be null).
    void UpdateActive(const TWinControl* focused);

    bool m_default = false;
    bool m_cancel = false;
    bool m_active = false;
    TModalResult m_modalResult = mrNone;
};
