#pragma once
// The track bar: its groove and its two sliders.

#include "tools/skinart/ArtPainter.h"

// A sunken groove with round ends, drawn by three pieces (ends kept, middle
// stretched); its corner pixels are the background.
[[nodiscard]] PixelBuffer DrawTrackBar(const Look& look, TSize size);
// The horizontal bar's slider: a pointer aimed down at the ticks. It is
// drawn transparent, keyed by its bottom-left pixel, which is the background.
[[nodiscard]] PixelBuffer DrawTrackSlider(const Look& look, TSize size);
// The vertical bar's slider, drawn opaque: a grip on the background.
[[nodiscard]] PixelBuffer DrawTrackSliderV(const Look& look, TSize size);
