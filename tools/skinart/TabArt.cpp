#include "tools/skinart/TabArt.h"

#include "tools/skinart/ArtColor.h"
#include "tools/skinart/Faces.h"
#include "tools/skinart/Look.h"

#include <algorithm>

namespace {

constexpr double kTabRadius = 4;  // pixels, at most

// The colour of a tab's face just above the line, which the line continues.
[[nodiscard]] TColor PageColor(const Look& look)
{
    return Lighten(look.Face, 0.3);
}

}  // namespace

PixelBuffer DrawTab(const Look& look, TSize size)
{
    // One tab across the whole strip; its bottom runs off the picture, so
    // only the top corners are round.
    const int piece = size.cx / 3;
    ArtCanvas canvas(size.cx, size.cy, look.Background);
    const double w = piece * 3;
    const double h = size.cy;
    const double radius = std::min({kTabRadius, double(piece - 1), double(look.Radius)});
    canvas.Fill(Shape::RoundBox(0, 0, w, h + radius + 1, radius), Gradient::Solid(look.Edge));
    canvas.Fill(Shape::RoundBox(1, 1, w - 1, h + radius + 1, std::max(0.0, radius - 1)),
                Gradient::Linear(1, Lighten(look.Face, 0.75), h, PageColor(look)));
    return canvas.Take();
}

PixelBuffer DrawTabLine(const Look& look, TSize size)
{
    ArtCanvas canvas(size.cx, size.cy, PageColor(look));
    canvas.FillRect({0, 0, size.cx, 1}, Gradient::Solid(look.Edge));
    canvas.FillRect({0, 1, size.cx, size.cy}, Gradient::Solid(PageColor(look)));
    return canvas.Take();
}
