#include "platform/win/NonClientScrollBarLayout.h"

#include "platform/win/Metrics.h"

#include <algorithm>
#include <cstdint>

namespace win {

namespace {

std::int64_t RangeCount(const SCROLLINFO& info)
{
    return std::int64_t(info.nMax) - info.nMin + 1;
}

// Rounded a * b / c for c > 0.
std::int64_t MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return (a * b + c / 2) / c;
}

}  // namespace

bool NeedsScrolling(const SCROLLINFO& info)
{
    return info.nMax > info.nMin && (info.nPage == 0 || RangeCount(info) > std::int64_t(info.nPage));
}

int MaxScrollPos(const SCROLLINFO& info)
{
    const std::int64_t top = std::int64_t(info.nMax) - std::max<std::int64_t>(info.nPage, 1) + 1;
    return int(std::max<std::int64_t>(top, info.nMin));
}

ScrollBarLayout LayoutScrollBar(const SCROLLINFO& info, const TRect& bar, ScrollBarKind kind, bool enabled)
{
    ScrollBarLayout l;
    l.bar = bar;
    l.kind = kind;
    if (bar.IsEmpty()) return l;
    const bool vertical = kind == ScrollBarKind::Vertical;
    // Everything is worked out along the bar; span turns a stretch of it into a rectangle.
    const auto span = [&](int from, int to) {
        return vertical ? TRect{bar.Left, from, bar.Right, to} : TRect{from, bar.Top, to, bar.Bottom};
    };
    const int start = vertical ? bar.Top : bar.Left;
    const int end = vertical ? bar.Bottom : bar.Right;
    const int thickness = vertical ? bar.Width() : bar.Height();
    const int length = end - start;
    l.arrowSize = length >= 2 * thickness ? thickness : length / 2;
    l.lineUp = span(start, start + l.arrowSize);
    l.lineDown = span(end - l.arrowSize, end);
    const int trackStart = start + l.arrowSize;
    const int trackEnd = end - l.arrowSize;
    const int trackLength = trackEnd - trackStart;
    if (trackLength > 0) l.track = span(trackStart, trackEnd);
    if (!enabled || !NeedsScrolling(info) || trackLength <= 0) return l;

    const std::int64_t thumbLength =
        info.nPage == 0 ? thickness
                        : std::max<std::int64_t>(metrics::kMinThumb, std::int64_t(trackLength) * info.nPage / RangeCount(info));
    if (thumbLength > trackLength) return l;
    const int maxPos = MaxScrollPos(info);
    const std::int64_t positions = std::int64_t(maxPos) - info.nMin;
    const int pos = std::clamp(info.nPos, info.nMin, maxPos);
    const int offset = positions > 0 ? int(MulDivRounded(trackLength - thumbLength, pos - info.nMin, positions)) : 0;
    const int thumbStart = trackStart + offset;
    const int thumbEnd = thumbStart + int(thumbLength);
    l.thumb = span(thumbStart, thumbEnd);
    if (thumbStart > trackStart) l.pageUp = span(trackStart, thumbStart);
    if (trackEnd > thumbEnd) l.pageDown = span(thumbEnd, trackEnd);
    return l;
}

ScrollBarPart HitScrollBar(const ScrollBarLayout& l, TPoint p)
{
    if (l.lineUp.Contains(p)) return ScrollBarPart::LineUp;
    if (l.lineDown.Contains(p)) return ScrollBarPart::LineDown;
    if (l.thumb.Contains(p)) return ScrollBarPart::Thumb;
    if (l.pageUp.Contains(p)) return ScrollBarPart::PageUp;
    if (l.pageDown.Contains(p)) return ScrollBarPart::PageDown;
    return ScrollBarPart::None;
}

int ThumbStart(const ScrollBarLayout& l)
{
    return l.kind == ScrollBarKind::Vertical ? l.thumb.Top : l.thumb.Left;
}

int PositionForThumbAt(const ScrollBarLayout& l, const SCROLLINFO& info, int thumbStart)
{
    const bool vertical = l.kind == ScrollBarKind::Vertical;
    const int trackStart = vertical ? l.track.Top : l.track.Left;
    const int room = (vertical ? l.track.Height() - l.thumb.Height() : l.track.Width() - l.thumb.Width());
    if (room <= 0 || l.thumb.IsEmpty()) return info.nMin;
    const int offset = std::clamp(thumbStart - trackStart, 0, room);
    const std::int64_t positions = std::int64_t(MaxScrollPos(info)) - info.nMin;
    return info.nMin + int(MulDivRounded(offset, positions, room));
}

}  // namespace win
