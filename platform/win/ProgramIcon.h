#pragma once
// The program's icon (the icon resource MAINICON) as the desktop shows it
// on every top-level window: decoded once, its key colour (fuchsia, as
// icons are stored) made transparent.

#include "platform/gfx/PixelBuffer.h"

namespace win {

// nullptr when the program has no main icon or it cannot be decoded.
[[nodiscard]] const PixelBuffer* ProgramIcon();

}  // namespace win
