#pragma once
// Skin strips: frames of equal size side by side, left to right.

#include "platform/core/Rect.h"
#include "platform/gfx/PixelBuffer.h"

#include <functional>
#include <vector>

// One strip of size, with count frames, each drawn by frame(index, frameSize)
// with index counted from 0. Columns left over when the width is not a
// multiple of count are filled with the first frame's bottom-left pixel.
[[nodiscard]] PixelBuffer DrawStrip(TSize size, int count, const std::function<PixelBuffer(int, TSize)>& frame);
