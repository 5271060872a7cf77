#pragma once
// Cuts runs of pixels down to what a painter may touch: the buffer and, when
// one is set, the clip region. Everything here is in device pixels; the
// callbacks receive (y, left, right) with left < right.

#include "platform/gfx/Region.h"

#include <algorithm>

class SpanClipper {
public:
    SpanClipper(const Region* clip, const TRect& bufferBounds)
        : m_clip(clip), m_box(clip ? clip->Bounds().Intersected(bufferBounds) : bufferBounds)
    {
    }

    // The bounding box of everything visible.
    [[nodiscard]] const TRect& Box() const { return m_box; }

    [[nodiscard]] bool Contains(int x, int y) const
    {
        return m_box.Contains(TPoint{x, y}) && (!m_clip || m_clip->Contains({x, y}));
    }

    template <class F>
    void ForEachSpan(int y, int left, int right, F&& f) const
    {
        if (y < m_box.Top || y >= m_box.Bottom) return;
        left = std::max(left, m_box.Left);
        right = std::min(right, m_box.Right);
        if (left >= right) return;
        if (!m_clip) {
            f(y, left, right);
            return;
        }
        for (const TRect& r : m_clip->Band(y)) {
            if (r.Left >= right) break;
            const int a = std::max(left, r.Left);
            const int b = std::min(right, r.Right);
            if (a < b) f(y, a, b);
        }
    }

    template <class F>
    void ForEachInRect(const TRect& rect, F&& f) const
    {
        const TRect r = rect.Intersected(m_box);
        for (int y = r.Top; y < r.Bottom; ++y) ForEachSpan(y, r.Left, r.Right, f);
    }

    template <class F>
    void ForEachInRegion(const Region& region, F&& f) const
    {
        for (const TRect& rect : region.Rects()) ForEachInRect(rect, f);
    }

private:
    const Region* m_clip = nullptr;
    TRect m_box;
};
