// SetParent: a window moves to another parent, or becomes a top-level window
// (with a native window and a back buffer of its own), or stops being one.

#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

using namespace win;

HWND SetParent(HWND child, HWND newParent)
{
    if (IsDesktop(newParent)) newParent = nullptr;
    Window* w = LookUp(child);
    if (!w || (newParent && !LookUp(newParent))) return nullptr;
    // A window cannot go inside itself.
    if (newParent && IsSelfOrDescendant(child, newParent)) return nullptr;
    const HWND old = w->parent;
    const HWND answer = old ? old : GetDesktopWindow();
    if (old == newParent) return answer;

    const bool wasShown = (w->style & WS_VISIBLE) != 0;
    if (wasShown) ShowWindow(child, SW_HIDE);
    if (!(w = LookUp(child)) || (newParent && !LookUp(newParent))) return nullptr;
    UnlinkWindow(*w);
    if (w->IsTopLevel()) DetachNative(*w);
    w->parent = newParent;
    w->owner = nullptr;
    LinkWindow(*w, HWND_TOP);
    if (w->IsTopLevel()) AttachNative(*w);
    PositionWindow(child, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | (wasShown ? UINT(SWP_SHOWWINDOW) : 0u));
    return answer;
}
