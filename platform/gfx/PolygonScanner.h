#pragma once
// Scan conversion of polygons. Row y holds the pixels x whose sample point
// (x, y) lies inside: edges are crossed at the first sample on or right of
// them, and each edge covers the rows from its upper end up to but not
// including its lower end. So right and bottom edges are left out and
// polygons sharing an edge never share a pixel. ALTERNATE fills between
// odd and even crossings, WINDING wherever the winding number is not zero.

#include "platform/core/Rect.h"
#include "platform/gfx/Region.h"

#include <span>
#include <vector>

class PolygonScanner {
public:
    // Points must lie within +-kCoordLimit; the figure is closed implicitly.
    PolygonScanner(std::span<const TPoint> points, int fillMode);

    // The rows that can hold pixels: [Top, Bottom).
    [[nodiscard]] int Top() const { return m_top; }
    [[nodiscard]] int Bottom() const { return m_bottom; }
    // The filled spans of row y, left to right.
    [[nodiscard]] std::vector<RowSpan> Row(int y) const;

private:
    struct Edge {
        TPoint Upper;
        TPoint Lower;  // Lower.Y > Upper.Y
        int Direction = 1;  // +1 when the polygon runs downwards along it
    };
    struct Crossing {
        int X = 0;
        int Direction = 1;
    };

    std::vector<Edge> m_edges;
    int m_fillMode = 0;
    int m_top = 0;
    int m_bottom = 0;
};
