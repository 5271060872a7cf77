#include "platform/win/backends/sdl/X11Desktop.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace win {

namespace {

// Xlib reports errors through one process-wide handler whose default ends the
// program. Requests that may fail for reasons outside our control (focus on a
// window the window manager just unmapped, a window manager that went away)
// run inside a trap that swallows errors and reports whether one came.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display) : m_display(display)
    {
        XSync(m_display, False);
        s_caught = false;
        m_previous = XSetErrorHandler(&X11ErrorTrap::Catch);
    }
    ~X11ErrorTrap() { XSetErrorHandler(m_previous); }
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the requests made so far; true when none failed.
    bool Succeeded()
    {
        XSync(m_display, False);
        return !s_caught;
    }

private:
    static int Catch(Display*, XErrorEvent*)
    {
        s_caught = true;
        return 0;
    }

    static inline bool s_caught = false;
    Display* m_display;
    int (*m_previous)(Display*, XErrorEvent*) = nullptr;
};

// The window a window-property names, or 0.
XWindowId WindowProperty(Display* display, XWindowId window, Atom property)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XWindowId result = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data) ==
            Success &&
        data && type == XA_WINDOW && format == 32 && count == 1)
        result = *reinterpret_cast<const unsigned long*>(data);
    if (data) XFree(data);
    return result;
}

}  // namespace

std::optional<X11Desktop::WindowInfo> X11Desktop::Of(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return WindowInfo{info.info.x11.display, info.info.x11.window};
}

void X11Desktop::MoveResize(XWindowId window, const TRect& bounds) const
{
    XMoveResizeWindow(m_display, window, bounds.Left, bounds.Top, unsigned(std::max(bounds.Width(), 1)),
                      unsigned(std::max(bounds.Height(), 1)));
    XFlush(m_display);
}

namespace {

// Changes the window's WM_NORMAL_HINTS, keeping what SDL put there.
template <class Change>
void ChangeSizeHints(Display* display, XWindowId window, Change change)
{
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    long supplied = 0;
    XGetWMNormalHints(display, window, hints, &supplied);
    change(*hints);
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

}  // namespace

void X11Desktop::UseStaticGravity(XWindowId window) const
{
    ChangeSizeHints(m_display, window, [](XSizeHints& hints) {
        hints.win_gravity = StaticGravity;
        hints.flags |= PWinGravity;
    });
}

void X11Desktop::SetFixedSize(XWindowId window, std::optional<TSize> size) const
{
    ChangeSizeHints(m_display, window, [&](XSizeHints& hints) {
        if (size) {
            hints.min_width = hints.max_width = std::max(size->cx, 1);
            hints.min_height = hints.max_height = std::max(size->cy, 1);
            hints.flags |= PMinSize | PMaxSize;
        } else {
            hints.flags &= ~(PMinSize | PMaxSize);
        }
    });
}

void X11Desktop::Raise(XWindowId window) const
{
    XRaiseWindow(m_display, window);
    XFlush(m_display);
}

void X11Desktop::SetOwner(XWindowId window, XWindowId owner) const
{
    if (owner)
        XSetTransientForHint(m_display, window, owner);
    else
        XDeleteProperty(m_display, window, XA_WM_TRANSIENT_FOR);
    const Atom type = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", False);
    const Atom kind = XInternAtom(m_display, owner ? "_NET_WM_WINDOW_TYPE_DIALOG" : "_NET_WM_WINDOW_TYPE_NORMAL", False);
    XChangeProperty(m_display, window, type, XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(&kind),
                    1);
    XFlush(m_display);
}

void X11Desktop::Map(XWindowId window) const
{
    XMapRaised(m_display, window);
    XFlush(m_display);
}

void X11Desktop::Unmap(XWindowId window) const
{
    XUnmapWindow(m_display, window);
    XFlush(m_display);
}

void X11Desktop::Iconify(XWindowId window) const
{
    XIconifyWindow(m_display, window, DefaultScreen(m_display));
    XFlush(m_display);
}

void X11Desktop::Withdraw(XWindowId window) const
{
    XWithdrawWindow(m_display, window, DefaultScreen(m_display));
    XFlush(m_display);
}

bool X11Desktop::Viewable(XWindowId window) const
{
    X11ErrorTrap trap(m_display);
    XWindowAttributes attributes{};
    const Status ok = XGetWindowAttributes(m_display, window, &attributes);
    return trap.Succeeded() && ok && attributes.map_state == IsViewable;
}

bool X11Desktop::Focus(XWindowId window) const
{
    if (!window || !Viewable(window)) return false;
    X11ErrorTrap trap(m_display);
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    return trap.Succeeded();
}

XWindowId X11Desktop::FocusedWindow() const
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    // None and PointerRoot name no window.
    return focus == PointerRoot ? 0 : focus;
}

bool X11Desktop::HasWindowManager() const
{
    const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    const XWindowId wm = WindowProperty(m_display, DefaultRootWindow(m_display), check);
    if (!wm) return false;
    // A window manager that went away leaves a stale property behind; its
    // check window names itself only while it lives.
    X11ErrorTrap trap(m_display);
    const XWindowId self = WindowProperty(m_display, wm, check);
    return trap.Succeeded() && self == wm;
}

TPoint X11Desktop::QueryPointer() const
{
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned mask = 0;
    XQueryPointer(m_display, DefaultRootWindow(m_display), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return {rootX, rootY};
}

}  // namespace win
