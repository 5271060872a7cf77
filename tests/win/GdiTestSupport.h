#pragma once
// Memory contexts over white bitmaps and pictures of their pixels, for the
// drawing-layer tests.

#include "platform/win/Gdi.h"
#include "tests/gfx/PainterTestSupport.h"

#include <gtest/gtest.h>

// A memory context with a white bitmap of the given size selected.
class MemoryDC {
public:
    MemoryDC(int width, int height)
        : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(CreateBitmapFromPixels(WhiteBuffer(width, height)))
    {
        m_previous = SelectObject(m_dc, m_bitmap);
    }
    ~MemoryDC()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    [[nodiscard]] HDC Handle() const { return m_dc; }
    [[nodiscard]] HBITMAP Bitmap() const { return m_bitmap; }
    [[nodiscard]] PixelBuffer& Pixels() const { return *BitmapPixels(m_bitmap); }
    [[nodiscard]] std::string Picture() const { return ::Picture(Pixels()); }
    [[nodiscard]] TColor At(int x, int y) const { return ColorFromPixel(Pixels().At(x, y)); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

// Deletes a drawing object at the end of a scope.
class ScopedObject {
public:
    explicit ScopedObject(HGDIOBJ object) : m_object(object) {}
    ~ScopedObject() { DeleteObject(m_object); }
    ScopedObject(const ScopedObject&) = delete;
    ScopedObject& operator=(const ScopedObject&) = delete;

    operator HGDIOBJ() const { return m_object; }

private:
    HGDIOBJ m_object;
};

[[nodiscard]] inline HBRUSH SolidBrush(TColor color) { return CreateSolidBrush(COLORREF(color)); }

// The (COLOR_* + 1) value that stands in for a system-colour brush.
[[nodiscard]] inline HBRUSH ColorIndexBrush(int colorIndex)
{
    return reinterpret_cast<HBRUSH>(std::uintptr_t(colorIndex + 1));
}
