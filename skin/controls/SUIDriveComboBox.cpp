#include "skin/controls/SUIDriveComboBox.h"

#include "platform/ui/lists/ComboBoxInfo.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SUIComboBoxPublish.h"

QZ_IMPLEMENT_CLASS(TsuiDriveComboBox);

void TsuiDriveComboBox::Publish(TClassBuilder<TsuiDriveComboBox>& c)
{
    c.Creatable<TComponent>();
    PublishComboBoxLook(c);
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
