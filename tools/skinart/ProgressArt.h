#pragma once
// The progress bar's fill: stretched over the filled part, so it is plain
// along its width and shaded down its height.

#include "tools/skinart/ArtPainter.h"

[[nodiscard]] PixelBuffer DrawProgress(const Look& look, TSize size);
