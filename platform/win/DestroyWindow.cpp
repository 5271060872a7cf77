// DestroyWindow. Owned windows go first; then WM_DESTROY travels down the
// tree (a parent hears it before its children) and WM_NCDESTROY comes back
// up (children first). Afterwards the handle is dead for good.

#include "platform/win/Activation.h"
#include "platform/win/Focus.h"
#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

using namespace win;

namespace {

void MarkDestroying(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    w->destroying = true;
    for (HWND child : w->children) MarkDestroying(child);
}

void SendDestroy(HWND hwnd)
{
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    const Window* w = LookUp(hwnd);
    if (!w) return;
    for (HWND child : std::vector<HWND>(w->children)) SendDestroy(child);
}

// Nothing that knows the window may keep its handle.
void ForgetEverywhere(HWND hwnd)
{
    WindowSystem::Impl& sys = Sys();
    InputState& in = sys.input;
    if (in.focus == hwnd) in.focus = nullptr;
    if (in.active == hwnd) in.active = nullptr;
    if (in.capture == hwnd) {
        in.capture = nullptr;
        sys.backend->SetMouseCapture(false);
    }
    if (in.tracking.hwnd == hwnd) in.tracking = {};
    if (in.hover.hwnd == hwnd) in.hover = {};
    if (in.lastClick.hwnd == hwnd) in.lastClick = {};
    sys.timers.KillAllOf(hwnd);
    sys.queue.DropMessagesFor(hwnd);
}

void FreeWindow(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    if (!w) return;
    for (HWND child : std::vector<HWND>(w->children)) FreeWindow(child);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    if (!(w = LookUp(hwnd))) return;
    for (HWND child : std::vector<HWND>(w->children)) FreeWindow(child);  // made during WM_NCDESTROY
    ForgetEverywhere(hwnd);
    UnlinkWindow(*w);
    if (w->IsTopLevel()) DetachNative(*w);
    Sys().windows.Remove(hwnd);
}

void DestroyOwnedWindows(HWND owner)
{
    for (HWND top : std::vector<HWND>(Sys().windows.TopLevels())) {
        const Window* t = LookUp(top);
        if (t && t->owner == owner) DestroyWindow(top);
    }
}

void ReleaseInput(HWND hwnd)
{
    InputState& in = Sys().input;
    MoveFocusOutOf(hwnd, FocusFallback::Nobody);
    if (in.capture && IsSelfOrDescendant(hwnd, in.capture)) ReleaseCapture();
    if (in.active == hwnd) ActivateOtherWindow(hwnd);
}

}  // namespace

bool DestroyWindow(HWND hwnd)
{
    Window* w = LookUp(hwnd);
    if (!w || w->destroying) return false;
    if (w->style & WS_VISIBLE) {
        if (!w->IsTopLevel()) SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
        PositionWindow(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!(w = LookUp(hwnd)) || w->destroying) return true;
    if (w->IsTopLevel()) DestroyOwnedWindows(hwnd);
    if (!(w = LookUp(hwnd)) || w->destroying) return true;
    MarkDestroying(hwnd);
    ReleaseInput(hwnd);
    SendDestroy(hwnd);
    FreeWindow(hwnd);
    return true;
}
