#include "platform/win/WindowTable.h"

#include <atomic>
#include <cstdint>

namespace win {

namespace {

constexpr std::uintptr_t kDesktopHandle = 0x10;       // below every allocated handle
constexpr std::uintptr_t kFirstWindowHandle = 0x10000;
constexpr std::uintptr_t kHandleStep = 4;

// Shared by every WindowSystem, so that handles of one system never reappear in the next.
std::atomic<std::uintptr_t> g_nextHandle{kFirstWindowHandle};

}  // namespace

HWND WindowTable::DesktopHandle()
{
    return reinterpret_cast<HWND>(kDesktopHandle);
}

HWND WindowTable::Add(std::unique_ptr<Window> window)
{
    const HWND hwnd = reinterpret_cast<HWND>(g_nextHandle.fetch_add(kHandleStep));
    window->handle = hwnd;
    m_windows.emplace(hwnd, std::move(window));
    return hwnd;
}

void WindowTable::Remove(HWND hwnd)
{
    m_windows.erase(hwnd);
    std::erase(m_topLevels, hwnd);
}

Window* WindowTable::Find(HWND hwnd) const
{
    const auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : it->second.get();
}

}  // namespace win
