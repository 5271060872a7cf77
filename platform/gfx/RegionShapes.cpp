// The classic region factories.
#include "platform/gfx/Region.h"

#include "platform/gfx/RegionWriter.h"
#include "platform/gfx/RoundRectShape.h"

#include <algorithm>
#include <cstdlib>

Region Region::CreateRectRgn(int left, int top, int right, int bottom)
{
    return Region(ClampRect(TRect{left, top, right, bottom}.Normalized()));
}

Region Region::CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const TRect box = ClampRect(TRect{left, top, right, bottom}.Normalized());
    const auto ellipseRows = std::min<std::int64_t>(std::abs(std::int64_t(ellipseHeight)), box.Height());
    if (std::min<std::int64_t>(std::abs(std::int64_t(ellipseWidth)), box.Width()) < 2 || ellipseRows < 2)
        return Region(box);
    // The rounded shape leaves out the right column and the bottom row.
    const RoundRectShape shape({box.Left, box.Top, box.Right - 1, box.Bottom - 1}, ellipseWidth, ellipseHeight);
    const TRect& b = shape.Box();
    RegionWriter w;
    // Only the corner rows differ; the rows between them form one band.
    const int cornerRows = int(std::min<std::int64_t>(ellipseRows / 2, b.Height()));
    const int middleTop = b.Top + cornerRows;
    const int middleBottom = std::max(middleTop, b.Bottom - cornerRows);
    for (int y = b.Top; y < middleTop; ++y) w.AddSpan(y, y + 1, shape.Row(y));
    w.AddSpan(middleTop, middleBottom, shape.Row(middleTop));
    for (int y = middleBottom; y < b.Bottom; ++y) w.AddSpan(y, y + 1, shape.Row(y));
    return w.Finish();
}

Region Region::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    const TRect box = ClampRect(TRect{left, top, right, bottom}.Normalized());
    return CreateRoundRectRgn(box.Left, box.Top, box.Right, box.Bottom, box.Width(), box.Height());
}
