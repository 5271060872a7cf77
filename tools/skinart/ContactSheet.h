#pragma once
// The contact sheet: for every look a preview window and each of its
// pictures, scaled up twice on a neutral background with its name; then the
// pictures all styles share and the program's icon.

#include "platform/gfx/PixelBuffer.h"

[[nodiscard]] PixelBuffer DrawContactSheet();
