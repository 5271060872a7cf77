#include "platform/ui/menus/MenuTracking.h"

#include "platform/ui/menus/MenuItem.h"
#include "platform/ui/menus/MenuTracker.h"

void TrackMenuItemPopup(TMenuItem& item, TPoint screen, HWND owner)
{
    const TComponentWatch watch(&item);
    TMenuItem* chosen = TMenuTracker(item, owner).Track(screen);
    if (!chosen || !watch.Alive()) return;
    chosen->Click();
}
