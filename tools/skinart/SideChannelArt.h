#pragma once
// The side channel's handle and the image panel's title strip, which share
// the panel colours, and the side channel's small pin button.

#include "tools/skinart/ArtPainter.h"

// A vertical tab with grip dots in its middle.
[[nodiscard]] PixelBuffer DrawSideChannelHandle(const Look& look, TSize size);
// The title strip: stretched in both directions.
[[nodiscard]] PixelBuffer DrawSideChannelBar(const Look& look, TSize size);
// A pin arrow on fuchsia.
[[nodiscard]] PixelBuffer DrawSideChannelButton(const Look& look, TSize size);
