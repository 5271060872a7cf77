#pragma once
// The headless desktop's windows, their stacking order and the composition
// of everything shown into one screen picture.

#include "platform/win/backends/headless/HeadlessWindow.h"

#include <map>
#include <vector>

namespace win {

class HeadlessScreen {
public:
    static constexpr TPixel kDesktopPixel = 0xFF3A6EA5u;   // plain desktop colour
    static constexpr TPixel kTaskBarPixel = 0xFFC0C0C0u;   // task-bar face
    static constexpr TPixel kTaskBarEdgePixel = 0xFFFFFFFFu;  // the task bar's top line

    // Throws EInvalidOperation for an empty screen or a task bar taller than it.
    HeadlessScreen(TSize size, int taskBarHeight);

    [[nodiscard]] TRect ScreenRect() const { return {0, 0, m_size.cx, m_size.cy}; }
    [[nodiscard]] TRect WorkArea() const { return {0, 0, m_size.cx, m_size.cy - m_taskBarHeight}; }

    // A new window is hidden and goes on top. Throws EInvalidOperation when
    // the handle already has a window.
    void Add(HWND window, const NativeWindowDesc& desc);
    void Remove(HWND window);
    [[nodiscard]] HeadlessWindow* Find(HWND window);
    [[nodiscard]] const HeadlessWindow* Find(HWND window) const;

    // Keeps the presented pixels of the common top-left part.
    void SetBounds(HWND window, const TRect& bounds);
    // Windows named in bottomToTop take that order above the others; unknown handles are ignored.
    void SetZOrder(const std::vector<HWND>& bottomToTop);
    [[nodiscard]] const std::vector<HWND>& ZOrder() const { return m_zOrder; }  // bottom to top

    void Present(HWND window, const PixelBuffer& backBuffer, const Region& dirty);

    // The topmost shown window whose shape holds the screen point, or nullptr.
    [[nodiscard]] HWND WindowAt(TPoint screen) const;
    // Desktop, task bar, then every shown window bottom to top inside its shape. Opaque.
    [[nodiscard]] PixelBuffer Capture() const;

private:
    [[nodiscard]] static bool IsShown(const HeadlessWindow& w) { return w.visible && !w.minimized; }
    // The screen pixels a window covers: its shape (or bounds) moved to its place, clipped to the screen.
    [[nodiscard]] Region ScreenCoverage(const HeadlessWindow& w) const;

    TSize m_size;
    int m_taskBarHeight = 0;
    std::map<HWND, HeadlessWindow> m_windows;
    std::vector<HWND> m_zOrder;
};

}  // namespace win
