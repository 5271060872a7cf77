#pragma once
// A window's standard scroll bars (WS_VSCROLL, WS_HSCROLL): where they are,
// their layout, painting and tracking.

#include "platform/win/NonClientScrollBarLayout.h"
#include "platform/win/Window.h"

namespace win {

// SB_VERT or SB_HORZ; nullptr for anything else.
[[nodiscard]] ScrollBarState* BarState(Window& w, int bar);
[[nodiscard]] const ScrollBarState* BarState(const Window& w, int bar);
// Window coordinates; empty when the window has no such bar.
[[nodiscard]] TRect BarRect(const Window& w, int bar);
// Disabled by EnableScrollBar or nothing to scroll.
[[nodiscard]] bool IsBarUnavailable(const ScrollBarState& s);
// An arrow EnableScrollBar switched off (ESB_* bit 1 for the first arrow, 2 for the second).
[[nodiscard]] bool IsArrowDisabled(const ScrollBarState& s, ScrollBarPart part);
// The layout as shown: during a thumb drag the thumb sits at the track position.
[[nodiscard]] ScrollBarLayout LayoutBar(const Window& w, int bar);
// The bar's look changed: its frame is repainted.
void RedrawBars(HWND hwnd);
// Draws both bars and the size box into a window context.
void PaintScrollBars(HDC windowDC, const Window& w);
// The modal tracking after a press on a bar (screen point).
void TrackScrollBar(HWND hwnd, int bar, TPoint screen);

}  // namespace win
