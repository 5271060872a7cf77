// TsuiCustomButton: construction, properties, mouse, keys and click. The
// paint steps are in SUICustomButtonPaint.cpp.

#include "skin/controls/SUICustomButton.h"

#include "platform/ui/actions/BasicAction.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/base/Timer.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/win/WinApi.h"
#include "skin/core/SUIThemes.h"

QZ_IMPLEMENT_CLASS(TsuiCustomButton);

void TsuiCustomButton::Publish(TClassBuilder<TsuiCustomButton>& c)
{
    PublishSkinStyle(c);
    c.Property("Cancel", &TsuiCustomButton::Cancel, &TsuiCustomButton::SetCancel).Default(false);
    c.Property("Default", &TsuiCustomButton::Default, &TsuiCustomButton::SetDefault).Default(false);
    c.Reference("Action", &TControl::Action, &TControl::SetAction);
    c.Property("Caption", &TControl::Caption, &TsuiCustomButton::SetCaption2);
    c.SubObject("Font", &TControl::Font, &TControl::SetFont);
    c.Property("Transparent", &TsuiCustomButton::Transparent, &TsuiCustomButton::SetTransparent);
    c.Property("ModalResult", &TsuiCustomButton::ModalResult, &TsuiCustomButton::SetModalResult).Default(mrNone);
    c.Property("AutoSize", &TsuiCustomButton::AutoSize, &TsuiCustomButton::SetAutoSize2).Default(false);
    c.Property("MouseContinuouslyDownInterval", &TsuiCustomButton::MouseContinuouslyDownInterval,
               &TsuiCustomButton::SetMouseContinuouslyDownInterval)
        .Default(kDefaultRepeatInterval);
    c.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    c.Redeclare("TabStop").Default(true);
    c.Property("OnClick", &TControl::OnClick);
    c.Property("OnMouseDown", &TControl::OnMouseDown);
    c.Property("OnMouseMove", &TControl::OnMouseMove);
    c.Property("OnMouseUp", &TControl::OnMouseUp);
    c.Property("OnMouseEnter", &TControl::OnMouseEnter);
    c.Property("OnMouseExit", &TsuiCustomButton::OnMouseExit);
    c.Property("OnMouseContinuouslyDown", &TsuiCustomButton::OnMouseContinuouslyDown);
    PublishKeyEvents(c);
}

TsuiCustomButton::TsuiCustomButton(TComponent* owner) : TCustomControl(owner)
{
    TControlStyle style = ControlStyle();
    style.Exclude(csAcceptsControls);
    // A fast second click is an ordinary click.
    style.Exclude(csDoubleClicks);
    SetControlStyle(style);
    SetText("");
    SetTabStop(true);
    // What an opaque face leaves uncovered is the parent's colour.
    SetParentColor(true);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiCustomButton::~TsuiCustomButton() = default;

// --- properties ----------------------------------------------------------------

void TsuiCustomButton::SetCaption2(const std::string& caption)
{
    // The text change comes back as CM_TEXTCHANGED, which repaints.
    SetText(caption);
}

void TsuiCustomButton::SetAutoSize2(bool autoSize)
{
    m_autoSize = autoSize;
    AutoSizeChanged();
    Invalidate();
}

void TsuiCustomButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    TransparentChanged();
    Invalidate();
}

void TsuiCustomButton::TransparentChanged()
{
    SetPicTransparent(m_transparent);
}

void TsuiCustomButton::SetPicTransparent(bool picTransparent)
{
    m_picTransparent = picTransparent;
    Invalidate();
}

void TsuiCustomButton::SetEnabled(bool enabled)
{
    TCustomControl::SetEnabled(enabled);
    EnableChanged();
    Invalidate();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style)
{
    m_style.SetStyle(style);
    UIStyleChanged();
    Invalidate();
}

void TsuiCustomButton::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_style.SetFileTheme(fileTheme);
    SetUIStyle(UIStyle());
}

void TsuiCustomButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    // The form's buttons learn again which one Enter presses.
    if (!HandleAllocated()) return;
    if (TCustomForm* form = GetParentForm(this)) {
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    }
}

void TsuiCustomButton::FontChanged()
{
    Canvas()->SetFont(Font());
    Invalidate();
}

void TsuiCustomButton::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && m_style.Removed(component)) SetUIStyle(DeepBlue);
}

// --- messages ------------------------------------------------------------------

void TsuiCustomButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(message); break;
    case CM_MOUSELEAVE: CMMouseLeave(message); break;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(message);
        FontChanged();
        break;
    case CM_DIALOGKEY: CMDialogKey(message); break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    case CM_TEXTCHANGED: CMTextChanged(message); break;
    // Every paint covers the whole client area: nothing is erased first.
    case WM_ERASEBKGND: message.Result = 1; break;
    case CM_FOCUSCHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: RepaintAfter(message); break;
    default: TCustomControl::Dispatch(message); break;
    }
}

void TsuiCustomButton::RepaintAfter(TMessage& message)
{
    TCustomControl::Dispatch(message);
    Invalidate();
}

void TsuiCustomButton::CMTextChanged(TMessage& message)
{
    TCustomControl::Dispatch(message);
    CaptionChanged();
    Invalidate();
}

// The framework's handling fires OnMouseEnter.
void TsuiCustomButton::CMMouseEnter(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (ComponentState().Contains(csDesigning)) return;
    m_mouseOn = true;
    Invalidate();
}

void TsuiCustomButton::CMMouseLeave(TMessage& message)
{
    TCustomControl::Dispatch(message);
    m_mouseOn = false;
    m_mouseDown = false;
    StopRepeat();
    Invalidate();
    if (OnMouseExit) OnMouseExit(this);
}

void TsuiCustomButton::CMDialogKey(TMessage& message)
{
    const bool plain =
        GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && (message.LParam & KF_ALTDOWN_BIT) == 0;
    const bool mine = (message.WParam == VK_RETURN && m_default) || (message.WParam == VK_ESCAPE && m_cancel);
    if (plain && mine && CanFocus()) {
        message.Result = 1;
        Click();
        return;
    }
    TCustomControl::Dispatch(message);
}

void TsuiCustomButton::CMDialogChar(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (Enabled() && IsAccel(char32_t(message.WParam), Caption())) {
        message.Result = 1;
        Click();
        return;
    }
    message.Result = 0;
}

// --- mouse and keys ----------------------------------------------------------------

void TsuiCustomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        m_mouseDown = true;
        if (!m_repeatTimer) StartRepeat();
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TsuiCustomButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    // The edges count as inside; the repeat timer keeps running.
    const bool inside = x >= 0 && x <= Width() && y >= 0 && y <= Height();
    if (inside || (!m_mouseOn && !m_mouseDown)) return;
    m_mouseOn = false;
    m_mouseDown = false;
    Invalidate();
}

void TsuiCustomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    // A release away from the button clicks nothing, and the ticks end
    // with the press all the same.
    if (button == mbLeft) StopRepeat();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TsuiCustomButton::KeyDown(WORD& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (!IsButtonPressKey(key) || !Focused() || !Enabled()) return;
    m_mouseDown = true;
    Invalidate();
}

void TsuiCustomButton::KeyUp(WORD& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if (!IsButtonPressKey(key) || !Focused() || !m_mouseDown || !Enabled()) return;
    m_mouseDown = false;
    Invalidate();
    Click();
}

// --- repeat timer ------------------------------------------------------------------

void TsuiCustomButton::StartRepeat()
{
    m_repeatTimer = std::make_unique<TTimer>(nullptr);
    m_repeatTimer->SetInterval(std::max(m_repeatInterval, 0));
    m_repeatTimer->SetOnTimer([this](TObject*) { RepeatTick(); });
}

void TsuiCustomButton::StopRepeat()
{
    m_repeatTimer.reset();
}

void TsuiCustomButton::RepeatTick()
{
    if (OnMouseContinuouslyDown) OnMouseContinuouslyDown(this);
}

// --- click ---------------------------------------------------------------------------

void TsuiCustomButton::Click()
{
    if (m_mouseDown) {
        StopRepeat();
        m_mouseDown = false;
        Invalidate();
    }
    if (TabStop() && CanFocus() && Enabled()) SetFocus();
    if (Parent()) {
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(m_modalResult);
    }
    TCustomControl::Click();
}
