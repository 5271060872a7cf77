#pragma once
// The combo box's window messages and GetComboBoxInfo. A combo box answers
// them from its own window procedure, so they work on any combo window,
// also one whose procedure someone else replaced and passes on.

#include "platform/win/WinTypes.h"

enum : UINT {
    CB_SHOWDROPDOWN = 0x014F,      // wParam TRUE opens the list, FALSE closes it
    CB_GETDROPPEDSTATE = 0x0157,   // TRUE while the list is open
    CB_GETCOMBOBOXINFO = 0x0164,   // lParam: COMBOBOXINFO* to fill in; TRUE when filled
};

// The parts of a combo box (COMBOBOXINFO in WinTypes.h): the item field and
// the drop-down button in client coordinates, whether the button is
// pressed, and the windows of the combo box, its edit field (the combo
// itself in the list style) and its drop-down list. False for a window that
// is no combo box or a record whose cbSize is not the record's size.
bool GetComboBoxInfo(HWND combo, COMBOBOXINFO& info);
