#pragma once
// TMainMenu: the menu of a form's menu bar. Its items, images, change news
// and shortcuts are TMenu's; a form hands it the keys it does not take
// itself (IsShortCut).
//
// FIXME: forms draw no menu bar of their own; the skinned form shows a
// main menu's top-level items on a tool bar, whose buttons drop the
// submenus down (TrackMenuItemPopup).

#include "platform/ui/menus/Menu.h"

class TMainMenu : public TMenu {
    QZ_DECLARE_CLASS(TMainMenu, TMenu)

public:
    explicit TMainMenu(TComponent* owner);
};
