#pragma once
// TButtonControl: what push buttons and check boxes share. The control
// takes the focus when pressed with the mouse and shows itself pushed in
// while the left button is held with the pointer inside it (the capture
// follows the pointer out and back in), or while Space is held. Releasing
// the mouse inside, or releasing Space, is a press of the button:
// ButtonClicked, which clicks (a check box toggles instead). Losing the
// focus, being disabled or a cancelled mode ends a press without a click.
//
// A double click counts as a second press, so two quick clicks are two
// presses.

#include "platform/ui/base/CustomControl.h"
#include "platform/ui/base/PressTracker.h"

// The look of a button-like control at one moment, taken once per paint.
struct TButtonState {
    bool Enabled = true;
    bool Pressed = false;  // shown pushed in
    bool Focused = false;
};

class TButtonControl : public TCustomControl {
    QZ_DECLARE_CLASS(TButtonControl, TCustomControl)

public:
    explicit TButtonControl(TComponent* owner);

    [[nodiscard]] bool Pressed() const { return m_press.Pressed() || m_spaceHeld; }

    void Dispatch(TMessage& message) override;

protected:
    // The user pressed the control with the mouse or Space.
    virtual void ButtonClicked();
    [[nodiscard]] TButtonState StateOf() const;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyUp(WORD& key, TShiftState shift) override;

private:
    // Ends a press without a click.
    void CancelPress();

    TPressTracker m_press{*this};
    bool m_spaceHeld = false;
};
