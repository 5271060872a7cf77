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

constexpr UINT kInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

// Top first, as the z-order has them; a copy, since showing and hiding restack.
std::vector<HWND> OwnedWindows(HWND owner)
{
    std::vector<HWND> owned;
    for (HWND top : Sys().windows.TopLevels())
        if (const Window* w = LookUp(top); w && IsOwnedBy(*w, owner)) owned.push_back(top);
    return owned;
}

void HideOwned(const std::vector<HWND>& owned)
{
    for (HWND h : owned) {
        Window* w = LookUp(h);
        if (!w || !(w->style & WS_VISIBLE)) continue;
        PositionWindow(h, nullptr, 0, 0, 0, 0, kInPlace | SWP_NOZORDER | SWP_HIDEWINDOW);
        if ((w = LookUp(h))) w->hiddenWithOwner = true;
    }
}

// Bottom first, each brought to the top: they keep their stacking, above the owner.
void ShowOwned(const std::vector<HWND>& owned)
{
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        Window* w = LookUp(*it);
        if (!w || !w->hiddenWithOwner) continue;
        PositionWindow(*it, HWND_TOP, 0, 0, 0, 0, kInPlace | SWP_SHOWWINDOW);
    }
}

}  // namespace

}  // namespace win

using namespace win;

bool ShowOwnedPopups(HWND owner, bool show)
{
    if (!LookUp(owner)) return false;
    const std::vector<HWND> owned = OwnedWindows(owner);
    if (!show) {
        HideOwned(owned);
        return true;
    }
    ShowOwned(owned);
    // An owner disabled by its modal dialog hands the activation to the dialog.
    if (GetActiveWindow() == owner && !IsWindowEnabled(owner)) ActivateEnabledPopupOf(owner);
    return true;
}
