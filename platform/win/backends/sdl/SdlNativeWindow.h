#pragma once
// One top-level window on the X11 desktop through SDL.
//
// Every window is made SDL_WINDOW_RESIZABLE so that the window manager
// applies our own moves and sizes at once; a decorated window the user may
// not size gets min = max size hints instead. Moves and sizes go out as one
// XMoveResizeWindow. The desktop answers them with configure events that
// SDL reports as moves and sizes; DesktopChange tells those echoes (and
// stale in-between states during a drag) apart from real changes made by
// the desktop.

#include "platform/gfx/Region.h"
#include "platform/win/Backend.h"
#include "platform/win/backends/sdl/X11Desktop.h"

#include <cstdint>
#include <optional>
#include <vector>

struct SDL_Window;

namespace win {

class SdlNativeWindow {
public:
    // Hidden until shown. owner is the owner's X window, or 0.
    // Throws EOutOfResources when SDL cannot make the window.
    SdlNativeWindow(const NativeWindowDesc& desc, XWindowId owner);
    ~SdlNativeWindow();
    SdlNativeWindow(const SdlNativeWindow&) = delete;
    SdlNativeWindow& operator=(const SdlNativeWindow&) = delete;

    [[nodiscard]] SDL_Window* Sdl() const { return m_window; }
    [[nodiscard]] std::uint32_t SdlId() const { return m_sdlId; }
    [[nodiscard]] XWindowId XId() const { return m_xid; }
    [[nodiscard]] const X11Desktop& Desktop() const { return m_x11; }
    [[nodiscard]] NativeKind Kind() const { return m_kind; }
    [[nodiscard]] bool IsShown() const { return m_visible && !m_minimized; }

    void SetBounds(const TRect& bounds);
    void SetTitle(const std::string& title);
    void Show(bool visible, bool activate);
    void SetMinimized(bool minimized);
    // Pop-ups are the window manager's business only through their owner's stacking.
    void SetOwner(XWindowId owner);
    void SetShape(const Region* shape);
    void Focus();
    void Raise();

    // The desktop changed the window's size: shapes are set again.
    void OnDesktopResized();
    // The window's bounds as the desktop last reported them, compared with
    // what we asked for. A request stays unanswered for up to kSettleMs;
    // meanwhile other reports are stale and ignored.
    struct DesktopChange {
        std::optional<TRect> moved;  // a change the window system must learn
        bool settling = false;       // ask again later: a request is still unanswered
    };
    [[nodiscard]] DesktopChange TakeDesktopChange(std::uint32_t nowMs);
    // Whether the desktop's minimised state differs from ours (echoes of our
    // own requests aside); adopts it.
    [[nodiscard]] bool AdoptMinimized(bool minimized, std::uint32_t nowMs);

    static constexpr std::uint32_t kSettleMs = 250;  // ms

private:
    [[nodiscard]] TRect ReportedBounds() const;
    void ShowPopup(bool visible);
    void SetIcon(const PixelBuffer& icon);
    // Sends m_known to the X server; the echo is due within kSettleMs.
    void RequestBounds();
    void ApplyShape();
    void ApplyMinimized();

    SDL_Window* m_window = nullptr;
    std::uint32_t m_sdlId = 0;
    X11Desktop m_x11;
    XWindowId m_xid = 0;
    NativeKind m_kind = NativeKind::Borderless;
    bool m_userSizable = false;
    bool m_visible = false;
    bool m_minimized = false;
    bool m_placed = false;  // shown once and put where we want it
    TRect m_known;                            // screen coordinates of the client area
    std::optional<TRect> m_requested;         // last request not yet seen back
    std::uint32_t m_requestedAtMs = 0;        // ms
    std::uint32_t m_minimizedSetAtMs = 0;     // ms, when we last minimised or restored
    std::optional<std::vector<TRect>> m_shape;  // window coordinates
};

}  // namespace win
