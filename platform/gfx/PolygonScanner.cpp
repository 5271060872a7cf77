#include "platform/gfx/PolygonScanner.h"

#include "platform/gfx/PainterState.h"

#include <algorithm>
#include <climits>

namespace {

std::int64_t CeilDiv(std::int64_t num, std::int64_t den)  // den > 0
{
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

}  // namespace

PolygonScanner::PolygonScanner(std::span<const TPoint> points, int fillMode) : m_fillMode(fillMode)
{
    m_top = INT_MAX;
    m_bottom = INT_MIN;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const TPoint a = points[k];
        const TPoint b = points[(k + 1) % points.size()];
        if (a.Y == b.Y) continue;
        m_edges.push_back(a.Y < b.Y ? Edge{a, b, 1} : Edge{b, a, -1});
        m_top = std::min(m_top, m_edges.back().Upper.Y);
        m_bottom = std::max(m_bottom, m_edges.back().Lower.Y);
    }
    if (m_edges.empty()) m_top = m_bottom = 0;
}

std::vector<RowSpan> PolygonScanner::Row(int y) const
{
    std::vector<Crossing> crossings;
    for (const Edge& e : m_edges) {
        if (y < e.Upper.Y || y >= e.Lower.Y) continue;
        const std::int64_t dx = std::int64_t(e.Lower.X) - e.Upper.X;
        const std::int64_t dy = std::int64_t(e.Lower.Y) - e.Upper.Y;
        crossings.push_back({int(e.Upper.X + CeilDiv((std::int64_t(y) - e.Upper.Y) * dx, dy)), e.Direction});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& a, const Crossing& b) { return a.X < b.X; });

    std::vector<RowSpan> spans;
    int winding = 0;
    int start = 0;
    for (std::size_t k = 0; k < crossings.size(); ++k) {
        const bool wasInside = winding != 0;
        winding = m_fillMode == WINDING ? winding + crossings[k].Direction : int((k + 1) % 2);
        if (!wasInside && winding != 0)
            start = crossings[k].X;
        else if (wasInside && winding == 0 && start < crossings[k].X)
            spans.push_back({start, crossings[k].X});
    }
    return spans;
}
