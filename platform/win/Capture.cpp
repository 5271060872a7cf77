// Mouse capture: every mouse message goes to the capture window as a client message.

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

using namespace win;

HWND SetCapture(HWND hwnd)
{
    WindowSystem::Impl& sys = Sys();
    const HWND old = sys.input.capture;
    if (hwnd && !LookUp(hwnd)) return old;
    if (hwnd == old) return old;
    sys.input.capture = hwnd;
    sys.backend->SetMouseCapture(hwnd != nullptr);
    if (old) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

bool ReleaseCapture()
{
    SetCapture(nullptr);
    return true;
}

HWND GetCapture()
{
    return Sys().input.capture;
}
