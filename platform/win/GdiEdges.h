#pragma once
// Internal to platform/win: the classic edge painter behind DrawEdge, also
// used for the frames of DrawFrameControl.

#include "platform/gfx/Painter.h"
#include "platform/win/WinTypes.h"

// The rectangle inside the rings that an edge (BDR_* bits) draws on the
// sides in flags (BF_*).
[[nodiscard]] TRect EdgeInside(const TRect& rect, UINT edge, UINT flags);
// Paints the edge on the flagged sides of rect (logical coordinates) and
// fills the inside with BF_MIDDLE. BF_DIAGONAL is ignored.
void PaintEdge(Painter& painter, const TRect& rect, UINT edge, UINT flags);

// Fills rect with a system colour (COLOR_*); an empty or unordered rect fills nothing.
void FillSysColor(Painter& painter, const TRect& rect, int colorIndex);
