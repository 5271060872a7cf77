#include "platform/ui/MenuTracking.h"

#include "platform/ui/MenuItem.h"
#include "platform/ui/MenuTracker.h"

void TrackMenuItemPopup(TMenuItem& item, TPoint screen, HWND owner)
{
    const TComponentWatch watch(&item);
    TMenuItem* chosen = TMenuTracker(item, owner).Track(screen);
    if (!chosen || !watch.Alive()) return;
    chosen->Click();
}
