#pragma once
// The message dialog's four 42 x 42 icons, in the order of its icon types:
// warning, stop, information, help. They sit on the look's background.

#include "tools/skinart/ArtPainter.h"

[[nodiscard]] PixelBuffer DrawMessageIcons(const Look& look, TSize size);
