// SetTimer and KillTimer on the window system's timer queue and the backend's clock.

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

using namespace win;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    WindowSystem::Impl& sys = Sys();
    if (hwnd && !LookUp(hwnd)) return 0;
    const UINT_PTR set = sys.timers.Set(hwnd, id, elapseMs, proc, sys.backend->NowMs());
    // A window timer answers with 1, as classically; a thread timer with its id.
    return hwnd ? (id == 0 ? 1 : id) : set;
}

bool KillTimer(HWND hwnd, UINT_PTR id)
{
    return Sys().timers.Kill(hwnd, id);
}
