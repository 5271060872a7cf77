#include "platform/ui/lists/ComboBoxInfo.h"

#include "platform/win/WinApi.h"

bool GetComboBoxInfo(HWND combo, COMBOBOXINFO& info)
{
    if (info.cbSize != COMBOBOXINFO{}.cbSize || !IsWindow(combo)) return false;
    return SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}
