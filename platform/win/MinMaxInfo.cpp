#include "platform/win/MinMaxInfo.h"

#include "platform/win/Metrics.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

#include <algorithm>

namespace win {

MINMAXINFO QueryMinMaxInfo(HWND hwnd)
{
    WindowSystem::Impl& sys = Sys();
    const Window* w = LookUp(hwnd);
    const TRect screen = sys.backend->ScreenRect();
    TRect work = sys.backend->WorkArea();
    if (w && !w->IsTopLevel()) {
        if (const Window* parent = LookUp(w->parent)) work = parent->ClientBounds();
    }
    MINMAXINFO mmi;
    mmi.ptMaxSize = {work.Width(), work.Height()};
    mmi.ptMaxPosition = work.TopLeft();
    mmi.ptMinTrackSize = {metrics::kMinTrackWidth, metrics::kMinTrackHeight};
    mmi.ptMaxTrackSize = {std::max(screen.Width(), work.Width()), std::max(screen.Height(), work.Height())};
    if (w) SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

TSize ClampToTrackSize(TSize size, const MINMAXINFO& mmi)
{
    const int maxW = std::max(mmi.ptMaxTrackSize.X, mmi.ptMinTrackSize.X);
    const int maxH = std::max(mmi.ptMaxTrackSize.Y, mmi.ptMinTrackSize.Y);
    return {std::clamp(size.cx, mmi.ptMinTrackSize.X, maxW), std::clamp(size.cy, mmi.ptMinTrackSize.Y, maxH)};
}

}  // namespace win
