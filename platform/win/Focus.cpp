// SetFocus and GetFocus: WM_KILLFOCUS to the old window, WM_SETFOCUS to the new.

#include "platform/win/Focus.h"

#include "platform/win/Activation.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

// A window in a minimised or disabled chain cannot take the focus.
bool CanTakeFocus(const Window& w)
{
    for (const Window* cur = &w; cur; cur = LookUp(cur->parent))
        if (cur->style & (WS_MINIMIZE | WS_DISABLED)) return false;
    return true;
}

}  // namespace

HWND ChangeFocus(HWND hwnd)
{
    InputState& in = Sys().input;
    const HWND old = in.focus;
    if (hwnd == old) return old;
    in.focus = hwnd;
    if (old && LookUp(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && in.focus == hwnd && LookUp(hwnd)) SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

void MoveFocusOutOf(HWND hwnd, FocusFallback fallback)
{
    const HWND focus = Sys().input.focus;
    if (!focus || !IsSelfOrDescendant(hwnd, focus)) return;
    const Window* w = LookUp(hwnd);
    const HWND parent = w && !w->IsTopLevel() && fallback == FocusFallback::Parent ? w->parent : nullptr;
    ChangeFocus(parent);
}

}  // namespace win

using namespace win;

HWND SetFocus(HWND hwnd)
{
    InputState& in = Sys().input;
    if (!hwnd) return ChangeFocus(nullptr);
    const Window* w = LookUp(hwnd);
    if (!w || !CanTakeFocus(*w)) return nullptr;
    if (hwnd == in.focus) return hwnd;
    const Window& root = RootOf(*w);
    if (in.active != root.handle && CanActivate(root)) {
        ActivateWindow(root.handle, WA_ACTIVE, ActivationFocus::Keep);
        // Activation may have taken the window away or activated another one.
        if (!LookUp(hwnd) || in.active != GetAncestorRoot(hwnd)) return nullptr;
    }
    return ChangeFocus(hwnd);
}

HWND GetFocus()
{
    return Sys().input.focus;
}
