#pragma once
// The SDL backend's native windows by handle, with the reverse look-ups that
// events need (SDL window id, X window).

#include "platform/win/backends/sdl/SdlNativeWindow.h"

#include <map>
#include <memory>

namespace win {

class SdlWindowTable {
public:
    // Throws EInvalidOperation when the handle already has a window.
    SdlNativeWindow& Create(HWND window, const NativeWindowDesc& desc);
    void Destroy(HWND window);

    [[nodiscard]] SdlNativeWindow* Find(HWND window) const;
    [[nodiscard]] HWND FromSdlId(std::uint32_t id) const;
    [[nodiscard]] HWND FromXWindow(XWindowId id) const;
    // The X connection of any window (they share SDL's), or nullopt without windows.
    [[nodiscard]] std::optional<X11Desktop> AnyDesktop() const;

private:
    std::map<HWND, std::unique_ptr<SdlNativeWindow>> m_windows;
};

}  // namespace win
