// ShowOwnedPopups: owned top-level windows (dialogs, drop-down lists) leave
// the screen while their owner is minimised and come back with it.

#include "platform/win/Activation.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <vector>

namespace win {

namespace {

// Top first, as the z-order has them; a copy, since showing and hiding restack.
std::vector<HWND> OwnedWindows(HWND owner)
{
    std::vector<HWND> owned;
    for (HWND top : Sys().windows.TopLevels())
        if (const Window* w = LookUp(top); w && IsOwnedBy(*w, owner)) owned.push_back(top);
    return owned;
}

constexpr UINT kInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

}  // namespace

}  // namespace win

using namespace win;

bool ShowOwnedPopups(HWND owner, bool show)
{
    if (!LookUp(owner)) return false;
    const std::vector<HWND> owned = OwnedWindows(owner);
    // Shown bottom first, so that they keep their stacking.
    for (auto it = show ? owned.rbegin() : owned.rend(); it != owned.rend(); ++it) {
        Window* w = LookUp(*it);
        if (!w || !w->hiddenWithOwner) continue;
        w->hiddenWithOwner = false;
        PositionWindow(*it, HWND_TOP, 0, 0, 0, 0, (kInPlace & ~UINT(SWP_NOZORDER)) | SWP_SHOWWINDOW);
    }
    if (!show) {
        for (HWND h : owned) {
            Window* w = LookUp(h);
            if (!w || !(w->style & WS_VISIBLE)) continue;
            w->hiddenWithOwner = true;
            PositionWindow(h, nullptr, 0, 0, 0, 0, kInPlace | SWP_HIDEWINDOW);
        }
    }
    // An owner disabled by its modal dialog hands the activation to the dialog.
    if (show && GetActiveWindow() == owner && !IsWindowEnabled(owner)) ActivateEnabledPopupOf(owner);
    return true;
}
