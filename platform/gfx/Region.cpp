#include "platform/gfx/Region.h"

#include "platform/gfx/RegionWriter.h"

#include <algorithm>
#include <climits>

namespace {

bool Keeps(int mode, bool inA, bool inB)
{
    switch (mode) {
    case RGN_AND: return inA && inB;
    case RGN_OR: return inA || inB;
    case RGN_XOR: return inA != inB;
    case RGN_DIFF: return inA && !inB;
    default: return false;
    }
}

// Edge i of a band: even indices are left edges, odd ones right edges.
int EdgeAt(std::span<const TRect> band, std::size_t i)
{
    if (i >= band.size() * 2) return INT_MAX;
    return (i % 2 == 0) ? band[i / 2].Left : band[i / 2].Right;
}

// Sweeps the edges of both bands left to right and records where the
// combined coverage switches on or off.
void CombineSpans(std::span<const TRect> a, std::span<const TRect> b, int mode, std::vector<int>& edges)
{
    edges.clear();
    std::size_t i = 0;
    std::size_t j = 0;
    bool inA = false;
    bool inB = false;
    bool inResult = false;
    const std::size_t endA = a.size() * 2;
    const std::size_t endB = b.size() * 2;
    while (i < endA || j < endB) {
        const int x = std::min(EdgeAt(a, i), EdgeAt(b, j));
        if (i < endA && EdgeAt(a, i) == x) {
            inA = !inA;
            ++i;
        }
        if (j < endB && EdgeAt(b, j) == x) {
            inB = !inB;
            ++j;
        }
        if (Keeps(mode, inA, inB) != inResult) {
            inResult = !inResult;
            edges.push_back(x);
        }
    }
}

}  // namespace

Region::Region(const TRect& r)
{
    const TRect clamped = ClampRect(r);
    if (clamped.IsEmpty()) return;
    m_rects.push_back(clamped);
    m_bounds = clamped;
}

Region Region::FromRows(int top, std::span<const RowSpan> rows)
{
    RegionWriter w;
    for (std::size_t k = 0; k < rows.size(); ++k) w.AddSpan(top + int(k), top + int(k) + 1, rows[k]);
    return w.Finish();
}

Region Region::Combine(const Region& a, const Region& b, int mode)
{
    if (mode == RGN_COPY) return a;
    std::vector<int> ys;
    ys.reserve((a.m_rects.size() + b.m_rects.size()) * 2);
    for (const Region* r : {&a, &b})
        for (const TRect& rect : r->m_rects) {
            ys.push_back(rect.Top);
            ys.push_back(rect.Bottom);
        }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    RegionWriter w;
    std::vector<int> edges;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        CombineSpans(a.Band(ys[k]), b.Band(ys[k]), mode, edges);
        w.AddBand(ys[k], ys[k + 1], edges);
    }
    return w.Finish();
}

int Region::Kind() const
{
    if (m_rects.empty()) return NULLREGION;
    return m_rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

std::span<const TRect> Region::Band(int y) const
{
    // Bands are sorted and share their Bottom, so the first rectangle ending
    // below y starts the only band that can hold row y.
    const auto first =
        std::partition_point(m_rects.begin(), m_rects.end(), [y](const TRect& r) { return r.Bottom <= y; });
    if (first == m_rects.end() || first->Top > y) return {};
    auto last = first;
    while (last != m_rects.end() && last->Top == first->Top) ++last;
    return {first, last};
}

bool Region::Contains(TPoint p) const
{
    for (const TRect& r : Band(p.Y))
        if (p.X >= r.Left && p.X < r.Right) return true;
    return false;
}

bool Region::Intersects(const TRect& r) const
{
    if (r.IsEmpty() || m_bounds.Intersected(r).IsEmpty()) return false;
    return std::any_of(m_rects.begin(), m_rects.end(),
                       [&r](const TRect& rect) { return !rect.Intersected(r).IsEmpty(); });
}

Region Region::United(const Region& o) const { return Combine(*this, o, RGN_OR); }
Region Region::Intersected(const Region& o) const { return Combine(*this, o, RGN_AND); }
Region Region::Subtracted(const Region& o) const { return Combine(*this, o, RGN_DIFF); }
Region Region::Xored(const Region& o) const { return Combine(*this, o, RGN_XOR); }

Region Region::Offset(int dx, int dy) const
{
    // Clamping keeps the coordinates in range; bands pushed flat against the
    // limit drop out.
    const auto moved = [dx, dy](const TRect& r) {
        return TRect{ClampCoord(std::int64_t(r.Left) + dx), ClampCoord(std::int64_t(r.Top) + dy),
                     ClampCoord(std::int64_t(r.Right) + dx), ClampCoord(std::int64_t(r.Bottom) + dy)};
    };
    Region r;
    for (const TRect& rect : m_rects) {
        const TRect m = moved(rect);
        if (m.IsEmpty()) continue;
        r.m_rects.push_back(m);
        r.m_bounds = r.m_bounds.United(m);
    }
    return r;
}
