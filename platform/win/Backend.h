#pragma once
// The window system's link to a real or virtual display. The window system
// keeps every window, message and pixel itself; a backend only shows the
// top-level windows' back buffers, reports raw input in screen coordinates
// and offers the desktop's services. Two implementations: headless (tests,
// screenshots) and sdl (real desktop windows).

#include "platform/core/Rect.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class PixelBuffer;
class Region;

namespace win {

// How a top-level window is shown on the desktop.
enum class NativeKind {
    Decorated,  // has a caption: the desktop draws its frame; its window rectangle is its client area
    Borderless, // draws everything itself (skinned forms)
    Popup,      // menus and drop-down lists: no frame, no task-bar entry, never takes the keyboard focus
};

struct NativeWindowDesc {
    NativeKind kind = NativeKind::Borderless;
    std::string title;         // UTF-8
    TRect bounds;              // screen coordinates
    bool resizable = false;    // the user may size it through the desktop's frame (Decorated only)
    bool showInTaskbar = true;
    HWND owner = nullptr;   // top-level owner (dialogs, pop-ups), if any
    const PixelBuffer* icon = nullptr;  // the program's icon (alpha for transparency), if any
};

enum class MouseButton { Left, Right, Middle };

// Modifier keys held during an event.
struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// Raw input and desktop notifications, in screen coordinates.
struct BackendEvent {
    enum class Type {
        MouseMove,      // pos
        MouseDown,      // pos, button
        MouseUp,        // pos, button
        MouseWheel,     // pos, wheelDelta (multiples of 120, positive away from the user)
        KeyDown,        // virtualKey, repeat
        KeyUp,          // virtualKey
        Text,           // text: UTF-8 from the keyboard or an input method
        CloseRequest,   // window: the desktop asks the window to close
        FocusIn,        // window: the desktop gave the window the keyboard focus
        FocusOut,       // window
        Moved,          // window, bounds: the desktop moved or sized a decorated window
        Exposed,        // window: the desktop lost the window's pixels; present all again
        MinimizeRequest,// window: the desktop minimised or restored (minimized says which)
        FilesDropped,   // window, pos, files
        Quit,           // the desktop session ends
    };
    Type type = Type::MouseMove;
    HWND window = nullptr;  // the top-level window concerned, when the event names one
    TPoint pos;
    MouseButton button = MouseButton::Left;
    int wheelDelta = 0;
    std::uint16_t virtualKey = 0;  // VK_*
    bool repeat = false;
    KeyModifiers modifiers;
    std::string text;
    TRect bounds;
    bool minimized = false;
    std::vector<std::string> files;
    std::uint32_t timeMs = 0;
};

// Standard cursor shapes (IDC_* values).
using CursorShape = int;

class Backend {
public:
    virtual ~Backend() = default;

    // The desktop.
    [[nodiscard]] virtual TRect ScreenRect() const = 0;
    [[nodiscard]] virtual TRect WorkArea() const = 0;  // the screen less the task bar

    // Top-level windows: the window system calls these as its windows change.
    virtual void CreateNativeWindow(HWND window, const NativeWindowDesc& desc) = 0;
    virtual void DestroyNativeWindow(HWND window) = 0;
    virtual void SetNativeBounds(HWND window, const TRect& bounds) = 0;
    virtual void SetNativeTitle(HWND window, const std::string& title) = 0;
    virtual void ShowNativeWindow(HWND window, bool visible, bool activate) = 0;
    virtual void SetNativeMinimized(HWND window, bool minimized) = 0;
    // The window now belongs to owner (nullptr: to nobody): the desktop keeps
    // an owned window above its owner and treats it as its dialog.
    virtual void SetNativeOwner(HWND window, HWND owner) = 0;
    // Z-order from bottom to top, top-level windows only.
    virtual void SetNativeZOrder(const std::vector<HWND>& bottomToTop) = 0;
    // The window's shape in window coordinates; nullptr for a rectangle.
    virtual void SetNativeShape(HWND window, const Region* shape) = 0;
    // Give the desktop's keyboard focus to a window (not to pop-ups).
    virtual void FocusNativeWindow(HWND window) = 0;
    // Show what changed: copy the dirty part (window coordinates) of the back buffer.
    virtual void Present(HWND window, const PixelBuffer& backBuffer, const Region& dirty) = 0;

    // Events: wait until at least one event is there or until timeoutMs has
    // passed (no timeout when empty), then return every pending event.
    // Never busy-waits.
    [[nodiscard]] virtual std::vector<BackendEvent> WaitEvents(std::optional<std::uint32_t> timeoutMs) = 0;
    // Wakes a WaitEvents that is under way (posted messages arrived).
    virtual void Wake() = 0;
    // True when events can come from outside the program (a real display):
    // waiting with nothing queued is then fine. A virtual desktop with
    // nothing queued can never wake up again.
    [[nodiscard]] virtual bool HasOutsideInput() const = 0;
    // Milliseconds on a monotonic clock.
    [[nodiscard]] virtual std::uint32_t NowMs() const = 0;

    // The pointer.
    [[nodiscard]] virtual TPoint CursorPos() const = 0;
    virtual void SetCursorPos(TPoint screen) = 0;
    virtual void SetCursorShape(CursorShape shape) = 0;
    // While captured, the pointer's events reach us even outside our windows.
    virtual void SetMouseCapture(bool captured) = 0;

    // Text input: where the input method should show its candidates.
    virtual void StartTextInput(const TRect& caretScreenRect) = 0;
    virtual void StopTextInput() = 0;

    // The clipboard (UTF-8 text).
    virtual void SetClipboardText(const std::string& text) = 0;
    [[nodiscard]] virtual std::optional<std::string> ClipboardText() const = 0;

    // The shell's "open" (the desktop's URL opener); failure is not reported.
    virtual void OpenUrl(const std::string& url) = 0;

    // The name of the display driver in use ("headless", "x11", ...).
    [[nodiscard]] virtual std::string DriverName() const = 0;
};

}  // namespace win
