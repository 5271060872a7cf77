#pragma once
// The pixels of a line by Bresenham's rule, end point left out: one pixel per
// step along the longer axis, the shorter axis rounded to the nearest pixel
// (halves round away from the start). Any step is computed directly, so a
// clipped line only visits the steps that can be seen.

#include "platform/core/Rect.h"

#include <cstdint>

class LineRaster {
public:
    struct Steps {
        int First = 0;
        int Last = 0;  // exclusive
    };

    // Both ends must lie within +-kCoordLimit.
    LineRaster(TPoint from, TPoint to);

    // The number of pixels: the longer of the two extents.
    [[nodiscard]] int Length() const { return int(m_major); }
    [[nodiscard]] TPoint At(int step) const;
    // The steps whose pixels can lie inside box.
    [[nodiscard]] Steps StepsWithin(const TRect& box) const;

private:
    TPoint m_from;
    bool m_xMajor = true;
    std::int64_t m_major = 0;  // pixels along the longer axis
    std::int64_t m_minor = 0;  // pixels along the shorter axis
    int m_stepX = 1;
    int m_stepY = 1;
};
