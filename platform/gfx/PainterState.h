#pragma once
// Everything a painter draws with, as one copyable value: what SaveDC keeps.

#include "platform/gfx/PenBrush.h"
#include "platform/gfx/RasterOp.h"
#include "platform/gfx/Region.h"

#include <optional>

// Polygon fill modes (SetPolyFillMode).
enum : int { ALTERNATE = 1, WINDING = 2 };

struct PainterState {
    TPoint ViewportOrg;  // where logical (0, 0) lies, in device pixels
    TPoint BrushOrg;     // where hatches and patterns start, in device pixels
    TPoint PenPos;       // the current position, logical
    Pen CurrentPen;
    Brush CurrentBrush;
    // The mix mode (SetROP2) of pens and of the insides of filled shapes.
    // FillRect, FrameRect and the blits ignore it.
    TPenMode Mode = pmCopy;
    TColor BkColor = clWhite;
    int BkMode = OPAQUE;
    int PolyFillMode = ALTERNATE;
    // The caller's clip region in device pixels; none means the whole buffer.
    std::optional<Region> Clip;

    bool operator==(const PainterState&) const = default;
};
