// A right click shows the pop-up menu of the control under the pointer: a
// graphic child's own, else this control's. Without one the window system
// passes the request on to the parent.

#include "platform/ui/menus/PopupMenu.h"
#include "platform/ui/base/WinControl.h"
#include "platform/win/WinTypes.h"

void TWinControl::WMContextMenu(TMessage& message)
{
    const TPoint screen = LParamToPoint(message.LParam);
    TControl* child = ControlAtPos(ScreenToClient(screen));
    if ((child && ShowControlPopupMenu(*child, screen)) || ShowControlPopupMenu(*this, screen)) {
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
}
