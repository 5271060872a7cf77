// Window classes and registered window procedures.

#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

using namespace win;

bool RegisterClass(const WNDCLASS& wc)
{
    return Sys().classes.Register(wc);
}

bool UnregisterClass(const std::string& className)
{
    return Sys().classes.Unregister(className);
}

bool GetClassInfo(const std::string& className, WNDCLASS& out)
{
    const WNDCLASS* wc = Sys().classes.Find(className);
    if (!wc) return false;
    out = *wc;
    return true;
}

std::string GetClassName(HWND hwnd)
{
    if (IsDesktop(hwnd)) return "#32769";
    const Window* w = LookUp(hwnd);
    return w ? w->windowClass.lpszClassName : std::string();
}

WNDPROC MakeObjectInstance(WindowProcFn proc)
{
    return Sys().procs.Add(std::move(proc));
}

void FreeObjectInstance(WNDPROC proc)
{
    if (WindowSystem::Exists()) Sys().procs.Remove(proc);
}
