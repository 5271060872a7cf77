#include "platform/win/backends/sdl/SdlWindowTable.h"

#include "platform/core/Exception.h"

namespace win {

SdlNativeWindow& SdlWindowTable::Create(HWND window, const NativeWindowDesc& desc)
{
    if (m_windows.contains(window)) throw EInvalidOperation("The window already has a native window");
    const SdlNativeWindow* owner = Find(desc.owner);
    auto created = std::make_unique<SdlNativeWindow>(desc, owner ? owner->XId() : 0);
    return *(m_windows[window] = std::move(created));
}

void SdlWindowTable::Destroy(HWND window)
{
    m_windows.erase(window);
}

SdlNativeWindow* SdlWindowTable::Find(HWND window) const
{
    const auto it = m_windows.find(window);
    return it == m_windows.end() ? nullptr : it->second.get();
}

HWND SdlWindowTable::FromSdlId(std::uint32_t id) const
{
    for (const auto& [hwnd, w] : m_windows)
        if (w->SdlId() == id) return hwnd;
    return nullptr;
}

HWND SdlWindowTable::FromXWindow(XWindowId id) const
{
    for (const auto& [hwnd, w] : m_windows)
        if (w->XId() == id) return hwnd;
    return nullptr;
}

std::optional<X11Desktop> SdlWindowTable::AnyDesktop() const
{
    if (m_windows.empty()) return std::nullopt;
    return m_windows.begin()->second->Desktop();
}

}  // namespace win
