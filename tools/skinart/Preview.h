#pragma once
// A small window put together from a look's pictures the way the skin puts
// them together: title bar with its buttons, border, background, push
// buttons in their three states, check boxes, radio buttons, scroll bars,
// progress bar and track bar. It shows at a glance whether the pieces fit.

#include "platform/gfx/PixelBuffer.h"

struct Look;

[[nodiscard]] PixelBuffer DrawPreview(const Look& look);
