#include "platform/win/backends/sdl/SdlNativeWindow.h"

#include "platform/core/Exception.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/win/backends/sdl/X11Shape.h"

#include <SDL.h>

#include <algorithm>

namespace win {

namespace {

Uint32 FlagsFor(const NativeWindowDesc& desc)
{
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    switch (desc.kind) {
    case NativeKind::Decorated:
        break;
    case NativeKind::Borderless:
        flags |= SDL_WINDOW_BORDERLESS;
        break;
    case NativeKind::Popup:
        // Override-redirect on X11: no frame, exact position, never managed.
        flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
        break;
    }
    if (!desc.showInTaskbar) flags |= SDL_WINDOW_SKIP_TASKBAR;
    return flags;
}

TSize AtLeastOne(TSize s) { return {std::max(s.cx, 1), std::max(s.cy, 1)}; }

}  // namespace

SdlNativeWindow::SdlNativeWindow(const NativeWindowDesc& desc, XWindowId owner)
    : m_kind(desc.kind), m_userSizable(desc.kind == NativeKind::Decorated && desc.resizable),
      m_known(desc.bounds.Normalized())
{
    const TSize size = AtLeastOne(m_known.Size());
    m_window = SDL_CreateWindow(desc.title.c_str(), m_known.Left, m_known.Top, size.cx, size.cy, FlagsFor(desc));
    if (!m_window) throw EOutOfResources(std::string("Cannot create a window: ") + SDL_GetError());
    const auto info = X11Desktop::Of(m_window);
    if (!info) {
        SDL_DestroyWindow(m_window);
        throw EOutOfResources("The new window is not an X11 window");
    }
    m_sdlId = SDL_GetWindowID(m_window);
    m_x11 = X11Desktop(info->display);
    m_xid = info->window;
    if (desc.kind != NativeKind::Popup) m_x11.UseStaticGravity(m_xid);
    if (desc.kind == NativeKind::Decorated && !m_userSizable) m_x11.SetFixedSize(m_xid, size);
    if (owner) SetOwner(owner);
    if (desc.icon) SetIcon(*desc.icon);
}

void SdlNativeWindow::SetOwner(XWindowId owner)
{
    if (m_kind != NativeKind::Popup) m_x11.SetOwner(m_xid, owner);
}

void SdlNativeWindow::SetIcon(const PixelBuffer& icon)
{
    // Our pixels are 0xAARRGGBB in native byte order: SDL's ARGB8888. SDL copies them.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<TPixel*>(icon.Data()), icon.Width(), icon.Height(), 32, int(icon.Width() * sizeof(TPixel)),
        SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;  // the desktop's generic icon stays
    SDL_SetWindowIcon(m_window, surface);
    SDL_FreeSurface(surface);
}

SdlNativeWindow::~SdlNativeWindow()
{
    SDL_DestroyWindow(m_window);
}

TRect SdlNativeWindow::ReportedBounds() const
{
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    SDL_GetWindowPosition(m_window, &x, &y);
    SDL_GetWindowSize(m_window, &w, &h);
    return TRect::FromSize(x, y, w, h);
}

void SdlNativeWindow::SetBounds(const TRect& bounds)
{
    const TRect b = bounds.Normalized();
    if (b == m_known) return;
    const bool resized = b.Size() != m_known.Size();
    m_known = b;
    if (resized && m_kind == NativeKind::Decorated && !m_userSizable) m_x11.SetFixedSize(m_xid, AtLeastOne(b.Size()));
    RequestBounds();
    if (resized) ApplyShape();
}

void SdlNativeWindow::RequestBounds()
{
    m_requested = m_known;
    m_requestedAtMs = SDL_GetTicks();
    m_x11.MoveResize(m_xid, m_known);
}

void SdlNativeWindow::SetTitle(const std::string& title)
{
    SDL_SetWindowTitle(m_window, title.c_str());
}

void SdlNativeWindow::Show(bool visible, bool activate)
{
    if (m_kind == NativeKind::Popup) {
        ShowPopup(visible);
        return;
    }
    if (!visible) {
        if (m_visible) SDL_HideWindow(m_window);
        // An icon is no mapped window to SDL: the window manager must let go of it too.
        if (m_visible && m_minimized) m_x11.Withdraw(m_xid);
        m_visible = false;
        return;
    }
    if (!m_visible) {
        // Without a window manager SDL gives every window it shows the
        // keyboard focus; whoever had it gets it back unless we activate.
        const XWindowId previousFocus = m_x11.FocusedWindow();
        m_visible = true;
        if (!m_minimized || m_x11.HasWindowManager()) SDL_ShowWindow(m_window);
        if (m_minimized) ApplyMinimized();
        if (!m_placed) {
            // The window manager places a new window by its own rules first.
            m_placed = true;
            RequestBounds();
        }
        if (!activate && previousFocus && previousFocus != m_xid && m_x11.FocusedWindow() == m_xid)
            m_x11.Focus(previousFocus);
    }
    if (activate) Focus();
}

void SdlNativeWindow::ShowPopup(bool visible)
{
    // Mapped past SDL, which would hand the new window the keyboard focus
    // when there is no window manager. A pop-up is override-redirect: no
    // window manager gives it the focus either.
    if (visible == m_visible) return;
    m_visible = visible;
    if (visible)
        m_x11.Map(m_xid);
    else
        m_x11.Unmap(m_xid);
}

void SdlNativeWindow::SetMinimized(bool minimized)
{
    if (minimized == m_minimized) return;
    m_minimized = minimized;
    if (m_visible) ApplyMinimized();
}

void SdlNativeWindow::ApplyMinimized()
{
    m_minimizedSetAtMs = SDL_GetTicks();
    if (!m_x11.HasWindowManager()) {
        // Nobody keeps icons: a minimised window is unmapped. SDL's calls
        // wait for the X server here, so SDL's idea stays in step.
        if (m_minimized)
            SDL_HideWindow(m_window);
        else
            SDL_ShowWindow(m_window);
        return;
    }
    // Straight to X: SDL's own calls check SDL's idea of the state, which
    // lags behind the window manager's answers, and would drop a quick
    // minimise and restore.
    if (m_minimized)
        m_x11.Iconify(m_xid);
    else
        m_x11.Map(m_xid);
}

void SdlNativeWindow::SetShape(const Region* shape)
{
    if (shape)
        m_shape = shape->Rects();
    else
        m_shape.reset();
    ApplyShape();
}

void SdlNativeWindow::ApplyShape()
{
    if (!X11ShapeSupported(m_x11.Connection())) return;
    ApplyX11Shape(m_x11.Connection(), m_xid, m_shape ? &*m_shape : nullptr);
}

void SdlNativeWindow::OnDesktopResized()
{
    if (m_shape) ApplyShape();
}

void SdlNativeWindow::Focus()
{
    if (m_kind != NativeKind::Popup && IsShown()) m_x11.Focus(m_xid);
}

void SdlNativeWindow::Raise()
{
    m_x11.Raise(m_xid);
}

SdlNativeWindow::DesktopChange SdlNativeWindow::TakeDesktopChange(std::uint32_t nowMs)
{
    const TRect reported = ReportedBounds();
    if (m_requested) {
        if (reported == *m_requested) {
            m_requested.reset();
            m_known = reported;
            return {};
        }
        if (nowMs - m_requestedAtMs < kSettleMs) return {std::nullopt, true};
        m_requested.reset();  // the desktop chose otherwise
    }
    if (reported == m_known) return {};
    m_known = reported;
    return {reported, false};
}

bool SdlNativeWindow::AdoptMinimized(bool minimized, std::uint32_t nowMs)
{
    // Reports soon after our own request are its echoes, possibly out of date.
    if (minimized == m_minimized || nowMs - m_minimizedSetAtMs < kSettleMs) return false;
    // SDL reports every unmapping as minimised: a window we hid, or a pop-up, is no icon.
    if (!m_visible || m_kind == NativeKind::Popup) return false;
    m_minimized = minimized;
    return true;
}

}  // namespace win
