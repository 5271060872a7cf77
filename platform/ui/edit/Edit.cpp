#include "platform/ui/edit/Edit.h"

#include "platform/core/Utf8.h"
#include "platform/ui/base/ControlPublish.h"

QZ_IMPLEMENT_CLASS(TEdit);

void TEdit::Publish(TClassBuilder<TEdit>& c)
{
    c.Creatable<TComponent>();
    c.Property("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
    c.Property("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle).Default(bsSingle);
    PublishColorAndFont(c);
    c.Property("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection).Default(true);
    c.Property("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    c.Property("PasswordChar", &TEdit::PasswordCharText, &TEdit::SetPasswordCharText);
    c.Property("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
    c.Property("Text", &TControl::Text, &TControl::SetText);
    c.Property("OnChange", &TCustomEdit::OnChange);
    PublishMouseEvents(c);
    PublishKeyEvents(c);
}

std::string TEdit::PasswordCharText() const
{
    return PasswordChar() ? Utf8::Encode(PasswordChar()) : std::string();
}

void TEdit::SetPasswordCharText(const std::string& text)
{
    SetPasswordChar(text.empty() ? 0 : Utf8::DecodeNext(text, 0).Value);
}
