#include "platform/gfx/RoundRectShape.h"

#include <algorithm>
#include <cmath>

namespace {

using U128 = unsigned __int128;

std::uint64_t ISqrt(U128 q)
{
    auto s = std::uint64_t(std::sqrt(static_cast<long double>(q)));
    while (U128(s) * s > q) --s;
    while (U128(s + 1) * (s + 1) <= q) ++s;
    return s;
}

std::int64_t ClampedSize(int size, int limit)
{
    return std::min<std::int64_t>(std::abs(std::int64_t(size)), limit);
}

}  // namespace

RoundRectShape::RoundRectShape(const TRect& box, int ellipseWidth, int ellipseHeight)
    : m_box(ClampRect(box))
{
    if (m_box.IsEmpty()) {
        m_box = {};
        return;
    }
    m_ellipseWidth = ClampedSize(ellipseWidth, m_box.Width());
    m_ellipseHeight = ClampedSize(ellipseHeight, m_box.Height());
}

RowSpan RoundRectShape::Row(int y) const
{
    if (y < m_box.Top || y >= m_box.Bottom) return {};
    const RowSpan full{m_box.Left, m_box.Right};
    const std::int64_t ew = m_ellipseWidth;
    const std::int64_t eh = m_ellipseHeight;
    if (ew < 2 || eh < 2) return full;
    // Rows counted from the nearer of the top and bottom edges.
    const std::int64_t k = std::min(y - m_box.Top, m_box.Bottom - 1 - y);
    if (k >= eh / 2) return full;
    // In half pixels, the ellipse centre lies ew across and eh down from the
    // corner of its box, and pixel (i, k) has its centre at 2i + 1, 2k + 1.
    // The centre is inside when (2i + 1 - ew)^2 eh^2 + (2k + 1 - eh)^2 ew^2
    // <= ew^2 eh^2, so |2i + 1 - ew| may reach sqrt(ew^2 (eh^2 - dy^2)) / eh.
    const std::int64_t dy = eh - 1 - 2 * k;
    const U128 q = U128(ew * ew) * U128(eh * eh - dy * dy);
    const auto reach = std::int64_t(ISqrt(q)) / eh;
    const std::int64_t inset = std::max<std::int64_t>(0, (ew - reach) / 2);  // ceil((ew - 1 - reach) / 2)
    return {m_box.Left + int(inset), m_box.Right - int(inset)};
}

RowSpan RoundRectShape::InnerRow(int y) const
{
    const RowSpan row = Row(y);
    const RowSpan above = Row(y - 1);
    const RowSpan below = Row(y + 1);
    if (row.IsEmpty() || above.IsEmpty() || below.IsEmpty()) return {};
    return {std::max({row.Left + 1, above.Left, below.Left}), std::min({row.Right - 1, above.Right, below.Right})};
}
