#include "platform/ui/forms/Form.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/graphics/Icon.h"
#include "platform/ui/menus/MainMenu.h"

QZ_IMPLEMENT_CLASS(TForm);

void TForm::Publish(TClassBuilder<TForm>& c)
{
    c.Creatable<TComponent>();
    PublishCaption(c);
    PublishColorAndFont(c);
    c.Property("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth);
    c.Property("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight);
    c.Reference("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    c.Property("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll).Default(true);
    c.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
    c.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    c.Property("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth).Default(0);
    c.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    c.SubObject("Icon", &TCustomForm::Icon, &TCustomForm::SetIcon);
    c.Reference("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
    c.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    c.Property("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder);
    c.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
    c.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
    c.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
    c.Property("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight);
    c.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
    c.Property("OnActivate", &TCustomForm::OnActivate);
    c.Property("OnClose", &TCustomForm::OnClose);
    c.Property("OnCloseQuery", &TCustomForm::OnCloseQuery);
    c.Property("OnCreate", &TCustomForm::OnCreate);
    c.Property("OnDeactivate", &TCustomForm::OnDeactivate);
    c.Property("OnDestroy", &TCustomForm::OnDestroy);
    c.Property("OnHide", &TCustomForm::OnHide);
    c.Property("OnPaint", &TCustomForm::OnPaint);
    c.Property("OnShow", &TCustomForm::OnShow);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
