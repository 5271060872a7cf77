#pragma once
// The window tree inside the window system: links between parents, children
// and owners, z-order among siblings, and where a window lies in its parent,
// its top-level window and on the screen.

#include "platform/gfx/Region.h"
#include "platform/win/Window.h"

#include <vector>

namespace win {

// The list a window is kept in: its parent's children or the top-level windows.
[[nodiscard]] std::vector<HWND>& SiblingList(const Window& w);
// Puts a window into its sibling list (it must not be there) at the z position insertAfter names.
void LinkWindow(Window& w, HWND insertAfter);
void UnlinkWindow(const Window& w);
// Moves a linked window within its siblings; returns whether the order changed.
bool MoveInZOrder(Window& w, HWND insertAfter);
// Nothing above it but topmost windows (when it is not one) and windows it owns.
[[nodiscard]] bool IsAtTop(const Window& w);

// w belongs to owner, directly or through owned windows in between.
[[nodiscard]] bool IsOwnedBy(const Window& w, HWND owner);
// The owner at the end of w's owner chain; w itself when it has none.
[[nodiscard]] Window& TopOwnerOf(Window& w);
[[nodiscard]] Window& RootOf(Window& w);
[[nodiscard]] const Window& RootOf(const Window& w);
// hwnd is ancestor itself or lies below it.
[[nodiscard]] bool IsSelfOrDescendant(HWND ancestor, HWND hwnd);
// It and all its ancestors have WS_VISIBLE.
[[nodiscard]] bool IsShownChain(const Window& w);
// Every window below w, parents before children, bottom of the z-order first among siblings.
[[nodiscard]] std::vector<HWND> SubtreePreOrder(HWND hwnd);

// The window's top-left corner on the screen.
[[nodiscard]] TPoint ScreenOrigin(const Window& w);
[[nodiscard]] TPoint ClientScreenOrigin(const Window& w);
// The window's top-left corner in its top-level window (the back buffer's pixels).
[[nodiscard]] TPoint OriginInRoot(const Window& w);
// The pixels the window covers in its parent's client coordinates (screen for top-level windows), shape included.
[[nodiscard]] Region AreaInParent(const Window& w);

}  // namespace win
