#pragma once
// The headless backend: a virtual desktop for tests and screenshots. It keeps
// every native window's state and presented pixels, composes them into
// deterministic screen captures, takes its input from the test (Inject...)
// and runs on a virtual clock: WaitEvents never sleeps (see
// HeadlessEventQueue), so timers advance as fast as the test asks.
//
// Desktop reactions are not simulated: showing or focusing a window queues no
// FocusIn, SetCursorPos queues no MouseMove. Tests inject what the desktop
// would report. Inject calls that describe something the desktop did to a
// window (InjectDesktopMove, InjectMinimize, InjectRestore) change the stored
// window state first, as a real desktop would.

#include "platform/gfx/PixelBuffer.h"
#include "platform/win/Backend.h"
#include "platform/win/WinConst.h"
#include "platform/win/backends/headless/HeadlessEventQueue.h"
#include "platform/win/backends/headless/HeadlessScreen.h"

#include <string>
#include <vector>

namespace win {

struct HeadlessOptions {
    TSize screenSize{1280, 800};   // pixels
    int taskBarHeight = 40;        // pixels, at the bottom, outside the work area
    std::uint32_t startMs = 1000;  // ms, the virtual clock's first reading
};

class HeadlessBackend final : public Backend {
public:
    explicit HeadlessBackend(const HeadlessOptions& options = {});

    // --- Backend -------------------------------------------------------------
    [[nodiscard]] TRect ScreenRect() const override { return m_screen.ScreenRect(); }
    [[nodiscard]] TRect WorkArea() const override { return m_screen.WorkArea(); }
    void CreateNativeWindow(HWND window, const NativeWindowDesc& desc) override;
    void DestroyNativeWindow(HWND window) override;
    void SetNativeBounds(HWND window, const TRect& bounds) override;
    void SetNativeTitle(HWND window, const std::string& title) override;
    void ShowNativeWindow(HWND window, bool visible, bool activate) override;
    void SetNativeMinimized(HWND window, bool minimized) override;
    void SetNativeOwner(HWND window, HWND owner) override;
    void SetNativeZOrder(const std::vector<HWND>& bottomToTop) override;
    void SetNativeShape(HWND window, const Region* shape) override;
    void FocusNativeWindow(HWND window) override;
    void Present(HWND window, const PixelBuffer& backBuffer, const Region& dirty) override;
    [[nodiscard]] std::vector<BackendEvent> WaitEvents(std::optional<std::uint32_t> timeoutMs) override;
    void Wake() override { m_events.Wake(); }
    [[nodiscard]] std::uint32_t NowMs() const override { return m_events.NowMs(); }
    [[nodiscard]] TPoint CursorPos() const override { return m_cursorPos; }
    void SetCursorPos(TPoint screen) override { m_cursorPos = screen; }
    void SetCursorShape(CursorShape shape) override { m_cursorShape = shape; }
    void SetMouseCapture(bool captured) override { m_mouseCaptured = captured; }
    void StartTextInput(const TRect& caretScreenRect) override;
    void StopTextInput() override { m_textInputActive = false; }
    void SetClipboardText(const std::string& text) override { m_clipboard = text; }
    [[nodiscard]] std::optional<std::string> ClipboardText() const override { return m_clipboard; }
    void OpenUrl(const std::string& url) override { m_openedUrls.push_back(url); }
    [[nodiscard]] std::string DriverName() const override { return "headless"; }
    [[nodiscard]] bool HasOutsideInput() const override { return false; }

    // --- input injection (tests) ---------------------------------------------
    // Queues any event as given (stamped with the virtual time); mouse events
    // move the cursor.
    void Inject(BackendEvent event);
    // Mouse events name the topmost shown window under the point (nullptr: the desktop).
    void InjectMouseMove(TPoint screen, KeyModifiers modifiers = {});
    void InjectMouseDown(TPoint screen, MouseButton button = MouseButton::Left, KeyModifiers modifiers = {});
    void InjectMouseUp(TPoint screen, MouseButton button = MouseButton::Left, KeyModifiers modifiers = {});
    void InjectClick(TPoint screen, MouseButton button = MouseButton::Left);  // move, down, up
    void InjectMouseWheel(TPoint screen, int wheelDelta, KeyModifiers modifiers = {});
    // Keyboard events name the focused window.
    void InjectKeyDown(std::uint16_t virtualKey, KeyModifiers modifiers = {});
    void InjectKeyUp(std::uint16_t virtualKey, KeyModifiers modifiers = {});
    void InjectText(const std::string& utf8);
    void InjectCloseRequest(HWND window);
    void InjectFocusIn(HWND window);   // also makes it the focused window
    void InjectFocusOut(HWND window);  // the focus leaves our windows
    void InjectExposed(HWND window);
    void InjectDesktopMove(HWND window, const TRect& bounds);  // Moved
    void InjectMinimize(HWND window);                          // MinimizeRequest, minimized
    void InjectRestore(HWND window);                           // MinimizeRequest, restored
    void InjectFilesDropped(HWND window, TPoint screen, std::vector<std::string> files);
    void InjectQuit();

    void AdvanceClock(std::uint32_t ms) { m_events.AdvanceClock(ms); }
    [[nodiscard]] std::size_t PendingEvents() const { return m_events.Pending(); }

    // --- inspection (tests) --------------------------------------------------
    [[nodiscard]] const HeadlessWindow* NativeWindow(HWND window) const { return m_screen.Find(window); }
    [[nodiscard]] const std::vector<HWND>& NativeZOrder() const { return m_screen.ZOrder(); }  // bottom to top
    [[nodiscard]] HWND FocusedWindow() const { return m_focused; }
    [[nodiscard]] CursorShape CurrentCursorShape() const { return m_cursorShape; }
    [[nodiscard]] bool MouseCaptured() const { return m_mouseCaptured; }
    [[nodiscard]] bool TextInputActive() const { return m_textInputActive; }
    [[nodiscard]] const TRect& TextInputRect() const { return m_textInputRect; }
    [[nodiscard]] const std::vector<std::string>& OpenedUrls() const { return m_openedUrls; }

    // --- frame capture (tests, screenshots) ----------------------------------
    [[nodiscard]] PixelBuffer CaptureScreen() const { return m_screen.Capture(); }
    // The window's presented pixels; throws EInvalidOperation for an unknown window.
    [[nodiscard]] PixelBuffer CaptureWindow(HWND window) const;
    // Throws as SavePngFile does.
    void SaveScreenPng(const std::string& path) const;

private:
    // The desktop minimised (true) or restored a window: its state, then the event.
    void InjectMinimizeRequest(HWND window, bool minimized);
    void InjectMouse(BackendEvent::Type type, TPoint screen, MouseButton button, KeyModifiers modifiers);
    void InjectKey(BackendEvent::Type type, std::uint16_t virtualKey, KeyModifiers modifiers);
    void InjectForWindow(BackendEvent::Type type, HWND window);

    HeadlessScreen m_screen;
    HeadlessEventQueue m_events;
    TPoint m_cursorPos;
    CursorShape m_cursorShape = IDC_ARROW;
    bool m_mouseCaptured = false;
    HWND m_focused = nullptr;
    bool m_textInputActive = true;  // on from the start, as on a real desktop
    TRect m_textInputRect;
    std::optional<std::string> m_clipboard;
    std::vector<std::string> m_openedUrls;
};

}  // namespace win
