// SetActiveWindow, SetForegroundWindow and activation by the desktop.

#include "platform/win/Activation.h"

#include "platform/win/Focus.h"
#include "platform/win/NativeWindow.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

bool CanTakeOver(const Window& w)
{
    return CanActivate(w) && (w.style & WS_VISIBLE) && !(w.style & (WS_DISABLED | WS_MINIMIZE));
}

void TellTopLevels(bool active)
{
    for (HWND top : std::vector<HWND>(Sys().windows.TopLevels()))
        SendMessage(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

}  // namespace

bool CanActivate(const Window& w)
{
    return w.IsTopLevel() && NativeKindFor(w.style, w.exStyle) != NativeKind::Popup;
}

void ActivateWindow(HWND hwnd, WORD how, ActivationFocus focus, ActivationOrigin origin)
{
    WindowSystem::Impl& sys = Sys();
    InputState& in = sys.input;
    if (hwnd) {
        Window* w = LookUp(hwnd);
        if (!w || !CanActivate(RootOf(*w))) return;
        hwnd = RootOf(*w).handle;
    }
    const HWND old = in.active;
    if (hwnd == old) return;
    if (hwnd && !IsAtTop(*LookUp(hwnd))) PositionWindow(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    in.active = hwnd;
    if (old && LookUp(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0), reinterpret_cast<LPARAM>(hwnd));
    }
    if (!hwnd) {
        ChangeFocus(nullptr);
        return;
    }
    if (in.active != hwnd || !LookUp(hwnd)) return;
    SendMessage(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
    SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd) ? 1 : 0), reinterpret_cast<LPARAM>(old));
    if (in.active != hwnd || !LookUp(hwnd)) return;
    if (origin == ActivationOrigin::Program) sys.backend->FocusNativeWindow(hwnd);
    if (focus == ActivationFocus::ToWindow && !IsIconic(hwnd) && !IsSelfOrDescendant(hwnd, in.focus))
        ChangeFocus(hwnd);
}

void ActivateOtherWindow(HWND leaving)
{
    const Window* w = LookUp(leaving);
    const Window* owner = w ? LookUp(w->owner) : nullptr;
    if (owner && CanTakeOver(*owner)) {
        ActivateWindow(owner->handle, WA_ACTIVE);
        return;
    }
    for (HWND top : Sys().windows.TopLevels()) {
        const Window* t = LookUp(top);
        if (top != leaving && t && CanTakeOver(*t)) {
            ActivateWindow(top, WA_ACTIVE);
            return;
        }
    }
    ActivateWindow(nullptr, WA_INACTIVE);
}

void ActivateEnabledPopupOf(HWND disabledOwner)
{
    for (HWND top : Sys().windows.TopLevels()) {
        const Window* t = LookUp(top);
        if (!t || !IsOwnedBy(*t, disabledOwner) || !CanTakeOver(*t)) continue;
        if (Sys().input.active == top)
            // The desktop may have put the owner over it: forward again, with the keyboard.
            Sys().backend->FocusNativeWindow(top);
        else
            ActivateWindow(top, WA_CLICKACTIVE);
        return;
    }
}

void ApplicationGainsFocus(HWND window)
{
    InputState& in = Sys().input;
    if (!in.appActive) {
        in.appActive = true;
        TellTopLevels(true);
    }
    const Window* w = LookUp(window);
    if (!w) return;
    if (w->style & WS_DISABLED) {
        // A window disabled by a modal one hands the activation to it.
        ActivateEnabledPopupOf(window);
        return;
    }
    ActivateWindow(window, WA_ACTIVE, ActivationFocus::ToWindow, ActivationOrigin::Desktop);
}

void ApplicationLosesFocus()
{
    InputState& in = Sys().input;
    const HWND old = in.active;
    in.active = nullptr;
    if (old && LookUp(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0), 0);
    }
    if (in.appActive) {
        in.appActive = false;
        TellTopLevels(false);
    }
    ChangeFocus(nullptr);
}

}  // namespace win

using namespace win;

HWND SetActiveWindow(HWND hwnd)
{
    const HWND old = Sys().input.active;
    if (!LookUp(hwnd)) return nullptr;
    ActivateWindow(hwnd, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow()
{
    return Sys().input.active;
}

bool SetForegroundWindow(HWND hwnd)
{
    if (!LookUp(hwnd)) return false;
    ActivateWindow(hwnd, WA_ACTIVE);
    return Sys().input.active == GetAncestorRoot(hwnd);
}

HWND GetForegroundWindow()
{
    return Sys().input.active;
}
