#include "skin/controls/SUIDriveComboBox.h"

#include "platform/ui/base/ControlPublish.h"
#include "platform/ui/lists/ComboBoxInfo.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SUIComboBoxPublish.h"
#include "skin/core/SUIThemes.h"

QZ_IMPLEMENT_CLASS(TsuiDriveComboBox);

void TsuiDriveComboBox::Publish(TClassBuilder<TsuiDriveComboBox>& c)
{
    c.Creatable<TComponent>();
    PublishComboBoxLook(c);
}

TsuiDriveComboBox::TsuiDriveComboBox(TComponent* owner) : TDriveComboBox(owner)
{
    SetBorderWidth(0);
    SetUIStyle(GetSUIFormStyle(owner));
}

bool TsuiDriveComboBox::DroppedDown() const
{
    const HWND hwnd = WindowHandle();
    return hwnd && SendMessage(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TsuiDriveComboBox::SetDroppedDown(bool dropped)
{
    if (!HandleAllocated()) return;
    SendMessage(WindowHandle(), CB_SHOWDROPDOWN, dropped ? TRUE : FALSE, 0);
    Invalidate();
}

void TsuiDriveComboBox::Dispatch(TMessage& message)
{
    const bool follows = TsuiComboBoxLook::Follows(message.Msg);
    TDriveComboBox::Dispatch(message);
    if (follows) m_look.MessageHandled(message);
}

void TsuiDriveComboBox::Notification(TComponent* component, TOperation operation)
{
    TDriveComboBox::Notification(component, operation);
    if (operation == opRemove) m_look.ComponentRemoved(component);
}
