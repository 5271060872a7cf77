#include "platform/win/backends/headless/HeadlessScreen.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <string>

namespace win {

namespace {

// Copies the part of src inside clip (destination coordinates) to dst, src's
// (0, 0) landing on origin.
void CopyPixels(PixelBuffer& dst, const PixelBuffer& src, TPoint origin, const TRect& clip, TPixel orMask)
{
    const TRect r = clip.Intersected(dst.Bounds()).Intersected(src.Bounds().Offset(origin));
    for (int y = r.Top; y < r.Bottom; ++y) {
        const TPixel* from = src.Row(y - origin.Y) + (r.Left - origin.X);
        TPixel* to = dst.Row(y) + r.Left;
        for (int x = 0; x < r.Width(); ++x) to[x] = from[x] | orMask;
    }
}

}  // namespace

HeadlessScreen::HeadlessScreen(TSize size, int taskBarHeight) : m_size(size), m_taskBarHeight(taskBarHeight)
{
    if (size.cx <= 0 || size.cy <= 0 || !PixelBuffer::SizeAllowed(size.cx, size.cy))
        throw EInvalidOperation("Headless screen size " + std::to_string(size.cx) + " x " + std::to_string(size.cy) +
                                " is not allowed");
    if (taskBarHeight < 0 || taskBarHeight >= size.cy)
        throw EInvalidOperation("Headless task bar height " + std::to_string(taskBarHeight) + " does not fit the screen");
}

void HeadlessScreen::Add(HWND window, const NativeWindowDesc& desc)
{
    if (m_windows.contains(window)) throw EInvalidOperation("The window already has a native window");
    HeadlessWindow& w = m_windows[window];
    w.desc = desc;
    w.desc.bounds = desc.bounds.Normalized();
    if (desc.icon) w.icon = *desc.icon;
    w.desc.icon = nullptr;
    w.pixels = PixelBuffer(w.desc.bounds.Width(), w.desc.bounds.Height());
    m_zOrder.push_back(window);
}

void HeadlessScreen::Remove(HWND window)
{
    m_windows.erase(window);
    std::erase(m_zOrder, window);
}

HeadlessWindow* HeadlessScreen::Find(HWND window)
{
    const auto it = m_windows.find(window);
    return it == m_windows.end() ? nullptr : &it->second;
}

const HeadlessWindow* HeadlessScreen::Find(HWND window) const
{
    const auto it = m_windows.find(window);
    return it == m_windows.end() ? nullptr : &it->second;
}

void HeadlessScreen::SetBounds(HWND window, const TRect& bounds)
{
    HeadlessWindow* w = Find(window);
    if (!w) return;
    w->desc.bounds = bounds.Normalized();
    w->pixels.Resize(w->desc.bounds.Width(), w->desc.bounds.Height());
}

void HeadlessScreen::SetZOrder(const std::vector<HWND>& bottomToTop)
{
    std::vector<HWND> named;
    for (HWND h : bottomToTop)
        if (m_windows.contains(h) && std::find(named.begin(), named.end(), h) == named.end()) named.push_back(h);
    std::vector<HWND> order;
    for (HWND h : m_zOrder)
        if (std::find(named.begin(), named.end(), h) == named.end()) order.push_back(h);
    order.insert(order.end(), named.begin(), named.end());
    m_zOrder = std::move(order);
}

void HeadlessScreen::Present(HWND window, const PixelBuffer& backBuffer, const Region& dirty)
{
    HeadlessWindow* w = Find(window);
    if (!w) return;
    const Region part = dirty.Intersected(Region(w->pixels.Bounds()));
    for (const TRect& r : part.Rects()) CopyPixels(w->pixels, backBuffer, {0, 0}, r, 0);
    ++w->presentCount;
    w->lastPresented = part;
}

Region HeadlessScreen::ScreenCoverage(const HeadlessWindow& w) const
{
    const TRect& b = w.desc.bounds;
    const Region local = w.shape ? w.shape->Intersected(Region({0, 0, b.Width(), b.Height()}))
                                 : Region({0, 0, b.Width(), b.Height()});
    return local.Offset(b.Left, b.Top).Intersected(Region(ScreenRect()));
}

HWND HeadlessScreen::WindowAt(TPoint screen) const
{
    for (auto it = m_zOrder.rbegin(); it != m_zOrder.rend(); ++it) {
        const HeadlessWindow& w = m_windows.at(*it);
        if (IsShown(w) && ScreenCoverage(w).Contains(screen)) return *it;
    }
    return nullptr;
}

PixelBuffer HeadlessScreen::Capture() const
{
    PixelBuffer screen(m_size.cx, m_size.cy, kDesktopPixel);
    if (m_taskBarHeight > 0) {
        const int top = m_size.cy - m_taskBarHeight;
        screen.Fill({0, top, m_size.cx, m_size.cy}, kTaskBarPixel);
        screen.Fill({0, top, m_size.cx, top + 1}, kTaskBarEdgePixel);
    }
    for (HWND h : m_zOrder) {
        const HeadlessWindow& w = m_windows.at(h);
        if (!IsShown(w)) continue;
        const Region coverage = ScreenCoverage(w);
        for (const TRect& r : coverage.Rects())
            CopyPixels(screen, w.pixels, w.desc.bounds.TopLeft(), r, 0xFF000000u);
    }
    return screen;
}

}  // namespace win
