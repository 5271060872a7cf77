#include "platform/gfx/RegionWriter.h"

void RegionWriter::AddBand(int top, int bottom, std::span<const int> edges)
{
    if (edges.empty() || bottom <= top) return;
    if (ContinuesLastBand(top, edges)) {
        for (std::size_t i = m_lastBand; i < m_rects.size(); ++i) m_rects[i].Bottom = bottom;
        return;
    }
    m_lastBand = m_rects.size();
    for (std::size_t i = 0; i + 1 < edges.size(); i += 2) m_rects.push_back({edges[i], top, edges[i + 1], bottom});
}

void RegionWriter::AddSpan(int top, int bottom, RowSpan span)
{
    if (span.IsEmpty()) return;
    const int edges[] = {span.Left, span.Right};
    AddBand(top, bottom, edges);
}

Region RegionWriter::Finish()
{
    Region r;
    r.m_rects = std::move(m_rects);
    for (const TRect& rect : r.m_rects) r.m_bounds = r.m_bounds.United(rect);
    m_rects.clear();
    m_lastBand = 0;
    return r;
}

bool RegionWriter::ContinuesLastBand(int top, std::span<const int> edges) const
{
    if (m_rects.empty() || m_rects.back().Bottom != top) return false;
    if ((m_rects.size() - m_lastBand) * 2 != edges.size()) return false;
    for (std::size_t i = m_lastBand, e = 0; i < m_rects.size(); ++i, e += 2)
        if (m_rects[i].Left != edges[e] || m_rects[i].Right != edges[e + 1]) return false;
    return true;
}
