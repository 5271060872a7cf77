#include "platform/win/TextInput.h"

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystem.h"

bool SetTextInputRect(HWND hwnd, const RECT& caret)
{
    if (!IsWindow(hwnd)) return false;
    POINT origin{0, 0};
    ClientToScreen(hwnd, origin);
    WindowSystem::Current().Backend().StartTextInput(caret.Offset(origin));
    return true;
}
