#include "platform/ui/controls/Button.h"

#include "platform/ui/graphics/Brush.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/controls/CaptionText.h"
#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/forms/CustomForm.h"
#include "platform/win/Gdi.h"
#include "platform/win/WinApi.h"

QZ_IMPLEMENT_CLASS(TButton);

void TButton::Publish(TClassBuilder<TButton>& c)
{
    c.Creatable<TComponent>();
    PublishCaption(c);
    c.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    c.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    c.SubObject("Font", &TControl::Font, &TControl::SetFont);
    c.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
    c.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}

TButton::TButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

void TButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE: message.Result = DLGC_BUTTON | (m_active ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON); break;
    case CM_DIALOGKEY: CMDialogKey(message); break;
    case CM_DIALOGCHAR: CMDialogChar(message); break;
    case CM_FOCUSCHANGED: CMFocusChanged(message); break;
    default: TButtonControl::Dispatch(message); break;
    }
}

void TButton::SetDefault(bool isDefault)
{
    if (m_default == isDefault) return;
    m_default = isDefault;
    const TCustomForm* form = GetParentForm(this);
    UpdateActive(form ? form->ActiveControl() : nullptr);
}

void TButton::UpdateActive(const TWinControl* focused)
{
    const bool active = dynamic_cast<const TButton*>(focused) ? focused == this : m_default;
    if (m_active == active) return;
    m_active = active;
    Invalidate();
}

void TButton::Click()
{
    if (m_modalResult != mrNone) {
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(m_modalResult);
    }
    TButtonControl::Click();
}

void TButton::CMFocusChanged(TMessage& message)
{
    UpdateActive(reinterpret_cast<const TWinControl*>(message.LParam));
    TButtonControl::Dispatch(message);
}

void TButton::CMDialogKey(TMessage& message)
{
    const bool plain =
        GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && (message.LParam & KF_ALTDOWN_BIT) == 0;
    const bool mine = (message.WParam == VK_RETURN && m_active) || (message.WParam == VK_ESCAPE && m_cancel);
    if (plain && mine && CanFocus()) {
        message.Result = 1;
        Click();
        return;
    }
    TButtonControl::Dispatch(message);
}

void TButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(char32_t(message.WParam), Caption()) && CanFocus()) {
        message.Result = 1;
        Click();
        return;
    }
    TButtonControl::Dispatch(message);
}

void TButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TButtonState state = StateOf();
    TRect rect = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    if (m_active) {
        canvas.Brush()->SetColor(clWindowFrame);
        canvas.FrameRect(rect);
        rect = rect.Inflated(-1, -1);
    }
    if (state.Pressed) {
        // Pushed in: a flat shadow ring around the face.
        canvas.Brush()->SetColor(clBtnShadow);
        canvas.FrameRect(rect);
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect(rect.Inflated(-1, -1));
    } else {
        RECT face = rect;
        DrawFrameControl(canvas.Handle(), face, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    canvas.SetFont(Font());
    TRect text = ClientRect();
    if (state.Pressed) text = text.Offset(1, 1);
    DrawCaptionText(canvas, text, Caption(), DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    state.Enabled ? TCaptionInk::Normal : TCaptionInk::Etched);
    if (state.Focused) canvas.DrawFocusRect(ClientRect().Inflated(-kFocusInset, -kFocusInset));
}
