#pragma once
// The rows of a box whose corners are cut by the quarters of an ellipse.
// A pixel belongs to the shape when its centre lies inside the corner
// ellipse, so the shape is symmetric in both directions. Ellipse sizes are
// clamped to the box; an ellipse under two pixels in either direction leaves
// the plain box. Rounded-rectangle regions, RoundRect and Ellipse all take
// their pixels from here, so they cannot drift apart.

#include "platform/core/Rect.h"
#include "platform/gfx/Region.h"

#include <cstdint>

class RoundRectShape {
public:
    RoundRectShape(const TRect& box, int ellipseWidth, int ellipseHeight);

    [[nodiscard]] const TRect& Box() const { return m_box; }
    [[nodiscard]] bool IsRectangular() const { return m_ellipseWidth < 2 || m_ellipseHeight < 2; }
    // The pixels of row y; empty outside the box.
    [[nodiscard]] RowSpan Row(int y) const;
    // The pixels of row y whose four neighbours all belong to the shape: what
    // is left when a one-pixel outline is taken away.
    [[nodiscard]] RowSpan InnerRow(int y) const;

private:
    TRect m_box;
    std::int64_t m_ellipseWidth = 0;   // pixels
    std::int64_t m_ellipseHeight = 0;  // pixels
};
