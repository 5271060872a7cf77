#include "skin/controls/SUICustomComboBox.h"

#include "platform/core/ClassBuilder.h"
#include "skin/core/SUIThemes.h"

QZ_IMPLEMENT_CLASS(TsuiCustomComboBox);

void TsuiCustomComboBox::Publish(TClassBuilder<TsuiCustomComboBox>& /*c*/) {}

TsuiCustomComboBox::TsuiCustomComboBox(TComponent* owner) : TCustomComboBox(owner)
{
    SetBorderWidth(0);
    SetUIStyle(GetSUIFormStyle(owner));
}

void TsuiCustomComboBox::Dispatch(TMessage& message)
{
    const bool follows = TsuiComboBoxLook::Follows(message.Msg);
    TCustomComboBox::Dispatch(message);
    if (follows) m_look.MessageHandled(message);
}

void TsuiCustomComboBox::Notification(TComponent* component, TOperation operation)
{
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove) m_look.ComponentRemoved(component);
}
