#pragma once
// The tab control's tab (three pieces: left end, stretched middle, right
// end) and the line under the tabs.

#include "tools/skinart/ArtPainter.h"

[[nodiscard]] PixelBuffer DrawTab(const Look& look, TSize size);
[[nodiscard]] PixelBuffer DrawTabLine(const Look& look, TSize size);
