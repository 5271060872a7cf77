#include "platform/gfx/PixelBuffer.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <string>

bool PixelBuffer::SizeAllowed(std::int64_t width, std::int64_t height)
{
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

PixelBuffer::PixelBuffer(int width, int height, TPixel fill)
{
    if (!SizeAllowed(width, height))
        throw EOutOfResources("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                              " is out of range");
    m_width = width;
    m_height = height;
    m_pixels.assign(std::size_t(width) * std::size_t(height), fill);
}

void PixelBuffer::Fill(const TRect& r, TPixel p)
{
    const TRect c = r.Intersected(Bounds());
    for (int y = c.Top; y < c.Bottom; ++y) std::fill(Row(y) + c.Left, Row(y) + c.Right, p);
}

void PixelBuffer::Resize(int width, int height, TPixel fill)
{
    if (width == m_width && height == m_height) return;
    PixelBuffer resized(width, height, fill);
    const int w = std::min(width, m_width);
    for (int y = 0; y < std::min(height, m_height); ++y) std::copy_n(Row(y), w, resized.Row(y));
    *this = std::move(resized);
}
