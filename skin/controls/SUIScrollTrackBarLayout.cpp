#include "skin/controls/SUIScrollTrackBarLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int kMinPagePercent = 10;
constexpr int kMaxPagePercent = 100;

int ClampToInt(double value)
{
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return int(std::clamp(value, lo, hi));
}

}  // namespace

int SliderOffset(const TScrollTrackRange& range, int trackLength, int sliderLength)
{
    const std::int64_t span = std::int64_t(range.Max) - range.Min;
    if (span == 0) return 0;
    const std::int64_t room = std::int64_t(trackLength) - sliderLength;
    return int(room * (std::int64_t(range.Position) - range.Min) / span);
}

int SliderCrossOffset(int trackCross, int sliderCross)
{
    return std::max(trackCross - sliderCross, 0) / 2;
}

int PositionAtPoint(const TScrollTrackRange& range, int trackLength, int sliderLength, int c)
{
    if (sliderLength == trackLength) return 0;
    const std::int64_t span = std::int64_t(range.Max) - range.Min;
    const double ratio = double((std::int64_t(c) - sliderLength / 2) * span) / double(trackLength - sliderLength);
    // nearbyint rounds ties to the even neighbour in the default rounding mode.
    return ClampToInt(std::nearbyint(ratio) + range.Min);
}

int PagedPosition(const TScrollTrackRange& range, int sliderStart, int c, int p, int step)
{
    const std::int64_t position = range.Position;
    if (sliderStart < c) return int(std::min<std::int64_t>(position + step, p));
    if (sliderStart > c) return int(std::max<std::int64_t>(position - step, p));
    return range.Position;
}

int SliderLength(int trackLength, int pageSize, int lineButton)
{
    if (lineButton > 0) return std::max(lineButton, kMinSliderLength);
    const int percent = pageSize < kMinPagePercent || pageSize > kMaxPagePercent ? kMinPagePercent : pageSize;
    return int(std::int64_t(trackLength) * percent / 100);
}
