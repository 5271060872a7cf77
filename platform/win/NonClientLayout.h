#pragma once
// Where the standard non-client parts of a window lie: frame, client edge
// and scroll bars. The default WM_NCCALCSIZE, hit test and WM_NCPAINT,
// AdjustWindowRectEx and the scroll-bar calls all read these functions, so
// they agree.
//
// Top-level windows with a caption are decorated by the desktop: their window
// rectangle is their client area, so they have no frame of ours.

#include "platform/core/Rect.h"
#include "platform/win/WinTypes.h"

namespace win {

struct NonClientLayout {
    TRect window;       // as given
    TRect insideFrame;  // inside the border or frame
    TRect insideEdge;   // inside the client edge as well
    int frameWidth = 0;
    int edgeWidth = 0;
};

// The scroll bars sit right of and below the client area.
struct ScrollBarRects {
    TRect vertical;  // empty without WS_VSCROLL
    TRect horizontal;  // empty without WS_HSCROLL
    TRect sizeBox;   // the corner between two bars, else empty
};

// Whether a top-level window with these styles gets the desktop's frame.
[[nodiscard]] bool IsDecoratedStyle(DWORD style);
[[nodiscard]] int FrameWidthFor(DWORD style, DWORD exStyle, bool topLevel);
[[nodiscard]] int EdgeWidthFor(DWORD exStyle);
[[nodiscard]] NonClientLayout LayoutNonClient(const TRect& window, DWORD style, DWORD exStyle, bool topLevel);
// The default WM_NCCALCSIZE: inside frame and edge, less the scroll bars.
[[nodiscard]] TRect DefaultClientRect(const TRect& window, DWORD style, DWORD exStyle, bool topLevel);
// Clipped to the window rectangle (same coordinates as client).
[[nodiscard]] ScrollBarRects ScrollBarsBeside(const TRect& client, const TRect& window, DWORD style);

}  // namespace win
