#include "platform/ui/controls/ButtonControl.h"

#include "platform/core/ClassBuilder.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TButtonControl);

void TButtonControl::Publish(TClassBuilder<TButtonControl>& /*c*/) {}

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle({csCaptureMouse, csSetCaption, csOpaque});
    SetTabStop(true);
}

void TButtonControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE: message.Result = DLGC_BUTTON; break;
    case WM_SETFOCUS:
        Invalidate();
        TCustomControl::Dispatch(message);
        break;
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case CM_ENABLEDCHANGED:
        CancelPress();
        Invalidate();
        TCustomControl::Dispatch(message);
        break;
    case CM_TEXTCHANGED: Invalidate(); break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TButtonControl::ButtonClicked()
{
    Click();
}

TButtonState TButtonControl::StateOf() const
{
    return {Enabled(), Pressed(), Focused()};
}

void TButtonControl::CancelPress()
{
    if (m_spaceHeld) {
        m_spaceHeld = false;
        Invalidate();
    }
    m_press.Cancel();
}

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        const TComponentWatch watch(this);
        if (CanFocus() && !Focused()) SetFocus();
        // Focus handlers may have freed or disabled the control.
        if (!watch.Alive()) return;
        m_press.Press();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseMove(TShiftState shift, int x, int y)
{
    m_press.Move({x, y});
    TCustomControl::MouseMove(shift, x, y);
}

void TButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && m_press.Release({x, y})) {
        const TComponentWatch watch(this);
        ButtonClicked();
        // The click may have freed the control (its form closed).
        if (!watch.Alive()) return;
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButtonControl::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key != VK_SPACE || m_spaceHeld || m_press.Held()) return;
    m_spaceHeld = true;
    Invalidate();
}

void TButtonControl::KeyUp(WORD& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (key != VK_SPACE || !m_spaceHeld) return;
    m_spaceHeld = false;
    Invalidate();
    ButtonClicked();
}
