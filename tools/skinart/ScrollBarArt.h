#pragma once
// The scroll bar's arrow buttons and slider pieces, and the four-arrow strip
// of the scroll buttons.

#include "tools/skinart/ArtPainter.h"

// Six frames for a vertical bar: the up arrow normal, pointer over and
// pressed, then the down arrow the same. The bar turns them for a
// horizontal bar.
[[nodiscard]] PixelBuffer DrawScrollArrows(const Look& look, TSize size);
// Three pieces of a horizontal slider: left cap, middle (stretched, so plain
// along its width) and right cap. Around the slider: the bar's background.
[[nodiscard]] PixelBuffer DrawScrollSlider(const Look& look, TSize size);
// Four frames: arrows up, down, left and right.
[[nodiscard]] PixelBuffer DrawScrollButtons(const Look& look, TSize size);
