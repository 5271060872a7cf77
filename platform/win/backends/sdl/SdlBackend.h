#pragma once
// The SDL backend: real desktop windows on X11 (and XWayland) through SDL 2.
// SDL's headers stay behind this class; see SdlNativeWindow.h for windows,
// SdlEventTranslator.h for input and SdlPresenter.h for pixels.

#include "platform/win/Backend.h"

#include <memory>

namespace win {

class SdlBackend final : public Backend {
public:
    // Opens the X11 display. Throws EOutOfResources when there is none or
    // SDL cannot run its X11 driver there.
    SdlBackend();
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    [[nodiscard]] TRect ScreenRect() const override;
    [[nodiscard]] TRect WorkArea() const override;
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
    void Wake() override;
    [[nodiscard]] std::uint32_t NowMs() const override;
    [[nodiscard]] TPoint CursorPos() const override;
    void SetCursorPos(TPoint screen) override;
    void SetCursorShape(CursorShape shape) override;
    void SetMouseCapture(bool captured) override;
    void StartTextInput(const TRect& caretScreenRect) override;
    void StopTextInput() override;
    void SetClipboardText(const std::string& text) override;
    [[nodiscard]] std::optional<std::string> ClipboardText() const override;
    void OpenUrl(const std::string& url) override;
    [[nodiscard]] std::string DriverName() const override;
    [[nodiscard]] bool HasOutsideInput() const override { return true; }

    // The X window showing a native window, or 0 (tests check it with Xlib).
    [[nodiscard]] unsigned long X11WindowId(HWND window) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace win
