#pragma once
// TBitmapDC: a memory context with a bitmap selected, for blitting from or
// into the bitmap for the length of one call. The selection is undone and
// the context deleted on destruction.

#include "platform/win/Gdi.h"

class TBitmapDC {
public:
    explicit TBitmapDC(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)), m_previous(SelectObject(m_dc, bitmap)) {}
    TBitmapDC(const TBitmapDC&) = delete;
    TBitmapDC& operator=(const TBitmapDC&) = delete;
    ~TBitmapDC()
    {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }

    [[nodiscard]] HDC Handle() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
