#pragma once
// Push-button faces and the combo box's drop-down buttons.

#include "tools/skinart/ArtPainter.h"

// Three faces: normal, pointer over, pressed. Each face is stretched by
// nine pieces, so its middle row and column are plain; with a keyed look
// the pixels outside the rounded outline are fuchsia.
[[nodiscard]] PixelBuffer DrawButtonStrip(const Look& look, TSize size);
// A drop-down button that the combo box stretches over its button area.
// Without an arrow: the combo box draws its own on top.
[[nodiscard]] PixelBuffer DrawComboButtonPlain(const Look& look, TSize size);
// With its own arrow.
[[nodiscard]] PixelBuffer DrawComboButtonArrow(const Look& look, TSize size);
