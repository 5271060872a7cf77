#pragma once
// The few X11 requests SDL does not offer, on SDL's own display connection:
// one-request moves and sizes, fixed-size hints, stacking, keyboard focus
// without errors, the pointer's root position and the window manager's
// presence. Keeps Xlib's headers (and their macros) out of everyone else.

#include "platform/core/Rect.h"

#include <optional>

struct _XDisplay;
struct SDL_Window;

namespace win {

using XWindowId = unsigned long;

class X11Desktop {
public:
    X11Desktop() = default;
    explicit X11Desktop(_XDisplay* display) : m_display(display) {}

    struct WindowInfo {
        _XDisplay* display = nullptr;
        XWindowId window = 0;
    };
    // The X connection and window behind an SDL window; empty when SDL does not run on X11.
    [[nodiscard]] static std::optional<WindowInfo> Of(SDL_Window* window);

    [[nodiscard]] _XDisplay* Connection() const { return m_display; }

    // One XMoveResizeWindow, flushed. Sizes below 1 become 1.
    void MoveResize(XWindowId window, const TRect& bounds) const;
    // Asks the window manager to take positions as the window's own, not
    // its frame's (static gravity), so a decorated window's inside lands
    // exactly where we put it.
    void UseStaticGravity(XWindowId window) const;
    // Min and max size both set to size (the user cannot resize); nullopt lifts the limits.
    void SetFixedSize(XWindowId window, std::optional<TSize> size) const;
    void Raise(XWindowId window) const;
    // Marks the window as owner's dialog (WM_TRANSIENT_FOR and the dialog
    // window type), so that the window manager keeps it above its owner and
    // minimises them together; owner 0 makes it a normal window again.
    void SetOwner(XWindowId window, XWindowId owner) const;
    // Maps (on top) or unmaps a window behind SDL's back; SDL learns of it from the X events.
    void Map(XWindowId window) const;
    void Unmap(XWindowId window) const;
    // Asks the window manager to turn the window into an icon, or to forget it.
    void Iconify(XWindowId window) const;
    void Withdraw(XWindowId window) const;
    // Gives the keyboard focus to a viewable window; false when it could not.
    bool Focus(XWindowId window) const;
    [[nodiscard]] XWindowId FocusedWindow() const;
    [[nodiscard]] bool HasWindowManager() const;
    [[nodiscard]] TPoint QueryPointer() const;

private:
    [[nodiscard]] bool Viewable(XWindowId window) const;

    _XDisplay* m_display = nullptr;
};

}  // namespace win
