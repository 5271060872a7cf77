#pragma once
// Colour arithmetic for the skin art. Colours are plain 0x00BBGGRR values;
// mixing is linear in the stored channels, which is all small pictures need.

#include "platform/core/Color.h"

// a at t = 0, b at t = 1; t is clamped to [0, 1].
[[nodiscard]] TColor Mix(TColor a, TColor b, double t);
// Towards white or black by t.
[[nodiscard]] TColor Lighten(TColor c, double t);
[[nodiscard]] TColor Darken(TColor c, double t);
// Halfway to its own grey by t: how disabled parts lose their colour.
[[nodiscard]] TColor Desaturate(TColor c, double t);
// The pixel dest with colour laid over it at opacity alpha (0..1).
[[nodiscard]] TPixel Over(TPixel dest, TColor colour, double alpha);
