#pragma once
// The title bar: its left, middle and right pieces and the strip of caption
// buttons. The middle piece is stretched, so it is plain along its width;
// the left and right pieces blend into it at their inner edges.

#include "tools/skinart/ArtPainter.h"
#include "tools/skinart/Gradient.h"

// The bar's colours row by row, for a picture whose row 0 is the bar's row
// `shift` (the buttons sit `ButtonTop` rows down the bar).
[[nodiscard]] Gradient TitleRowGradient(const Look& look, int height, int shift);

[[nodiscard]] PixelBuffer DrawTitleLeft(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawTitleClient(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawTitleRight(const Look& look, TSize size);
// Eighteen frames, three per button (normal, pointer over, pressed), for
// the control box, help, maximise, restore, minimise and close. Opaque
// buttons carry the bar behind them; keyed ones have a fuchsia surround and
// a fuchsia bottom-left pixel, which the title bar takes as their key.
[[nodiscard]] PixelBuffer DrawTitleButtons(const Look& look, TSize size);
