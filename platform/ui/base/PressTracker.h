#pragma once
// TPressTracker: the press and release of a button-like control with the
// left mouse button, for a control that takes the mouse capture on a
// press (csCaptureMouse).
//
//   event                   held  pushed in       result
//   left press, captured    yes   yes
//   pointer leaves          yes   no
//   pointer comes back      yes   yes
//   release inside          no    no              a click
//   release outside         no    no              no click
//   Cancel / Forget         no    no              no click
//
// The control forwards its MouseDown, MouseMove and MouseUp and paints
// itself pushed in while Pressed(); every change of Pressed() invalidates
// the control.

#include "platform/core/Rect.h"

class TControl;

class TPressTracker {
public:
    explicit TPressTracker(TControl& control) : m_control(control) {}

    // Shown pushed in: held with the pointer inside.
    [[nodiscard]] bool Pressed() const { return m_pressed; }
    // A left press began on the control and the button is still down.
    [[nodiscard]] bool Held() const { return m_held; }

    // A left press: starts the press when the control is enabled and took
    // the capture with it.
    void Press();
    // The pointer moved to p (client coordinates).
    void Move(TPoint p);
    // The left button went up at p; true when that is a click.
    [[nodiscard]] bool Release(TPoint p);
    // Ends a press without a click and lets go of the capture.
    void Cancel();
    // Ends a press without a click, leaving the capture to whoever ends it
    // (a cancelled mode, where the framework releases it).
    void Forget();

private:
    void SetPressed(bool pressed);

    TControl& m_control;
    bool m_held = false;
    bool m_pressed = false;
};
