#include "platform/win/TrackingLoop.h"

#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win {

namespace {

bool StillTracking(HWND hwnd)
{
    return LookUp(hwnd) && GetCapture() == hwnd;
}

}  // namespace

bool NextTrackingMessage(HWND hwnd, MSG& msg)
{
    for (;;) {
        if (!StillTracking(hwnd)) return false;
        if (const std::optional<MSG> m = RetrieveMessage({}, true)) {
            if (m->message == WM_QUIT) {
                PostQuitMessage(int(m->wParam));
                return false;
            }
            msg = *m;
            return true;
        }
        if (GetKeyState(VK_LBUTTON) >= 0) return false;
        if (!IdleWait()) return false;
    }
}

}  // namespace win
