#pragma once
// A 32-bit pixel buffer (0xAARRGGBB per pixel, rows top-down, no padding).
// Every drawing routine of the platform writes into one of these.

#include "platform/core/Color.h"
#include "platform/core/Rect.h"

#include <cstdint>
#include <vector>

class PixelBuffer {
public:
    // The largest buffer we agree to allocate: pictures claiming more are
    // refused before any memory is taken.
    static constexpr int kMaxSide = 16384;                     // pixels
    static constexpr std::int64_t kMaxPixels = 64 * 1024 * 1024;  // pixels (256 MiB)

    PixelBuffer() = default;
    // Throws EOutOfResources when the size is negative or beyond the limits.
    PixelBuffer(int width, int height, TPixel fill = 0xFF000000u);

    [[nodiscard]] static bool SizeAllowed(std::int64_t width, std::int64_t height);

    [[nodiscard]] int Width() const { return m_width; }
    [[nodiscard]] int Height() const { return m_height; }
    [[nodiscard]] TRect Bounds() const { return {0, 0, m_width, m_height}; }
    [[nodiscard]] bool IsEmpty() const { return m_width == 0 || m_height == 0; }

    [[nodiscard]] bool Contains(int x, int y) const
    {
        return unsigned(x) < unsigned(m_width) && unsigned(y) < unsigned(m_height);
    }
    // Unchecked access: callers clip first.
    [[nodiscard]] TPixel At(int x, int y) const { return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }
    TPixel& At(int x, int y) { return m_pixels[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }
    [[nodiscard]] const TPixel* Row(int y) const { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    TPixel* Row(int y) { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    [[nodiscard]] const TPixel* Data() const { return m_pixels.data(); }
    TPixel* Data() { return m_pixels.data(); }

    // Checked access: outside pixels read as 0 and ignore writes.
    [[nodiscard]] TPixel GetPixel(int x, int y) const { return Contains(x, y) ? At(x, y) : 0; }
    void SetPixel(int x, int y, TPixel p)
    {
        if (Contains(x, y)) At(x, y) = p;
    }

    // Fills the part of r inside the buffer.
    void Fill(const TRect& r, TPixel p);
    // Keeps the pixels of the common top-left part; new pixels take fill.
    void Resize(int width, int height, TPixel fill = 0xFF000000u);

    bool operator==(const PixelBuffer&) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<TPixel> m_pixels;
};
