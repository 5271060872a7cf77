#pragma once
// The resize zones of a skinned frame as pure functions of a point in
// client coordinates: the form's border strips and the top of the title
// bar. A point outside every zone keeps the answer given before (current).

#include "platform/core/Rect.h"

inline constexpr int kResizeZone = 5;  // px from each edge that resize

// The top zone of a title bar: top-left, top-right or top; formWidth is the
// form's client width.
[[nodiscard]] int TitleBarEdgeHitTest(TPoint p, int formWidth, int current);

// The form's edges and corners; client is the form's client size.
[[nodiscard]] int FormEdgeHitTest(TPoint p, TSize client, int current);
