// Sending, posting and dispatching messages. One thread: SendMessage calls
// the window procedure directly.

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

using namespace win;

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!proc) return DefWindowProc(hwnd, msg, wParam, lParam);
    const std::shared_ptr<const WindowProcFn> fn = Sys().procs.Find(proc);
    if (!fn || !*fn) return 0;
    return (*fn)(hwnd, msg, wParam, lParam);
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const Window* w = LookUp(hwnd);
    if (!w) return 0;
    return CallWindowProc(w->proc, hwnd, msg, wParam, lParam);
}

bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !LookUp(hwnd)) return false;
    WindowSystem::Impl& sys = Sys();
    sys.queue.Post(MSG{hwnd, msg, wParam, lParam, sys.backend->NowMs(), sys.backend->CursorPos()});
    return true;
}

void PostQuitMessage(int exitCode)
{
    Sys().queue.PostQuit(exitCode);
}

LRESULT DispatchMessage(const MSG& msg)
{
    if (msg.message == WM_TIMER && msg.lParam != 0) {
        // A timer with its own procedure: it gets the call, not the window.
        // Only a procedure a live timer names is called, never a number from elsewhere.
        const std::optional<Timer> timer = Sys().timers.Find(msg.hwnd, msg.wParam);
        const auto proc = reinterpret_cast<TIMERPROC>(msg.lParam);
        if (timer && timer->proc == proc) proc(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
        return 0;
    }
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

DWORD GetMessageTime()
{
    return Sys().queue.LastTime();
}

POINT GetMessagePos()
{
    return Sys().queue.LastPos();
}
