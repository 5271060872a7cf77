#pragma once
// The properties and events every published edit box shares (TEdit,
// TMaskEdit). Include only from .cpp files.

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/edit/CustomEdit.h"

template <class T>
void PublishEditProperties(TClassBuilder<T>& c)
{
    c.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
    c.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
    c.Property("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
    PublishColorAndFont(c);
    c.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
    c.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    c.Property("PasswordChar", &TCustomEdit::PasswordCharText, &TCustomEdit::SetPasswordCharText);
    c.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
    c.Property("Text", &TControl::Text, &TControl::SetText);
    c.Property("OnChange", &TCustomEdit::OnChange);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}
