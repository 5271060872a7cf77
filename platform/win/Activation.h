#pragma once
// The active top-level window and the application's activation.
//
//   change                     messages, in order
//   old active window          WM_NCACTIVATE(FALSE), WM_ACTIVATE(WA_INACTIVE, new)
//   new active window          WM_NCACTIVATE(TRUE),  WM_ACTIVATE(WA_ACTIVE or WA_CLICKACTIVE, old)
//   then the focus             WM_KILLFOCUS / WM_SETFOCUS (DefWindowProc's WM_ACTIVATE sets it)
//   the desktop's focus        WM_ACTIVATEAPP to every top-level window when ours come or go

#include "platform/win/Window.h"

namespace win {

enum class ActivationFocus {
    ToWindow,  // afterwards the focus goes into the window if it is not there yet
    Keep,      // the caller sets the focus itself (SetFocus)
};
enum class ActivationOrigin { Program, Desktop };

// Top-level windows other than pop-ups (menus, drop-down lists) can be active.
[[nodiscard]] bool CanActivate(const Window& w);
// hwnd nullptr: nothing is active.
void ActivateWindow(HWND hwnd, WORD how, ActivationFocus focus = ActivationFocus::ToWindow,
                    ActivationOrigin origin = ActivationOrigin::Program);
// The active window goes away: its owner or the next window down takes over.
void ActivateOtherWindow(HWND leaving);
// A click on a window disabled by a modal one activates the modal one instead.
void ActivateEnabledPopupOf(HWND disabledOwner);
// The desktop's focus came to one of our windows or left them all.
void ApplicationGainsFocus(HWND window);
void ApplicationLosesFocus();

}  // namespace win
