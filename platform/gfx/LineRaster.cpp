#include "platform/gfx/LineRaster.h"

#include <algorithm>
#include <cstdlib>

LineRaster::LineRaster(TPoint from, TPoint to) : m_from(from)
{
    const std::int64_t dx = std::int64_t(to.X) - from.X;
    const std::int64_t dy = std::int64_t(to.Y) - from.Y;
    m_stepX = dx < 0 ? -1 : 1;
    m_stepY = dy < 0 ? -1 : 1;
    m_xMajor = std::abs(dx) >= std::abs(dy);
    m_major = m_xMajor ? std::abs(dx) : std::abs(dy);
    m_minor = m_xMajor ? std::abs(dy) : std::abs(dx);
}

TPoint LineRaster::At(int step) const
{
    const std::int64_t along = step;
    const std::int64_t across = (2 * along * m_minor + m_major) / (2 * m_major);
    if (m_xMajor) return {m_from.X + int(along) * m_stepX, m_from.Y + int(across) * m_stepY};
    return {m_from.X + int(across) * m_stepX, m_from.Y + int(along) * m_stepY};
}

LineRaster::Steps LineRaster::StepsWithin(const TRect& box) const
{
    const std::int64_t start = m_xMajor ? m_from.X : m_from.Y;
    const std::int64_t low = m_xMajor ? box.Left : box.Top;
    const std::int64_t high = m_xMajor ? box.Right : box.Bottom;
    const int step = m_xMajor ? m_stepX : m_stepY;
    std::int64_t first = step > 0 ? low - start : start - high + 1;
    std::int64_t last = step > 0 ? high - start : start - low + 1;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, m_major);
    if (first >= last) return {};
    return {int(first), int(last)};
}
