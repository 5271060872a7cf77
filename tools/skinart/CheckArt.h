#pragma once
// Check boxes, radio buttons, the check list's boxes and the menu check mark.
// The four frames of each strip are: checked, unchecked, disabled checked,
// disabled unchecked. The corner pixels of every frame are the look's
// background, which the radio button uses as its transparent colour.

#include "tools/skinart/ArtPainter.h"

[[nodiscard]] PixelBuffer DrawCheckBoxStrip(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawRadioStrip(const Look& look, TSize size);
// Black check on white (the menus key out white).
[[nodiscard]] PixelBuffer DrawMenuCheck(const Look& look, TSize size);
