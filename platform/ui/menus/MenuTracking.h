#pragma once
// Showing menus as pop-up windows and tracking them until an item is chosen
// or the menu is dismissed. The tracking runs a modal loop of its own; the
// chosen item's OnClick runs after every menu window is gone.

#include "platform/core/Rect.h"
#include "platform/win/WinTypes.h"

class TMenuItem;

// Shows item's children as a drop-down menu with its top-left at screen and tracks it until an item is chosen (its OnClick runs after the menu closes) or the menu is dismissed.
void TrackMenuItemPopup(TMenuItem& item, TPoint screen, HWND owner);
