#pragma once
// Device contexts over windows: each draws into its top-level window's back
// buffer, clipped to what of the window is visible.

#include "platform/gfx/Region.h"
#include "platform/win/VisibleRegion.h"
#include "platform/win/WinTypes.h"

namespace win {

struct DcRequest {
    DcArea area = DcArea::Client;
    DWORD extraClip = 0;             // DCX_CLIPCHILDREN / DCX_CLIPSIBLINGS beside what the styles ask
    const Region* within = nullptr;  // in the area's coordinates; drawing stays inside it
};

// nullptr for a dead window.
[[nodiscard]] HDC MakeWindowDC(HWND hwnd, const DcRequest& request);
// One target per shown top-level window, each clipped to what of it is not covered.
[[nodiscard]] HDC MakeScreenDC();

}  // namespace win
