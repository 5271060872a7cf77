#include "app/MessageBoxComponent.h"

#include "platform/core/ClassBuilder.h"
#include "platform/ui/forms/Application.h"

QZ_IMPLEMENT_CLASS(TMessageBoxComponent);
void TMessageBoxComponent::Publish(TClassBuilder<TMessageBoxComponent>& c)
{
    c.Creatable<TComponent>();
    c.Property("Caption", &TMessageBoxComponent::Caption, &TMessageBoxComponent::SetCaption);
    c.Property("Text", &TMessageBoxComponent::Text, &TMessageBoxComponent::SetText);
}

int TMessageBoxComponent::ShowModal()
{
    return Application->MessageBox(m_text, m_caption, MB_OK | MB_ICONSTOP);
}
