#pragma once
// What every picture-drawing function of skinart looks like: it draws one
// picture of the given size in a look. Pictures shared by all styles ignore
// the look.

#include "platform/core/Rect.h"
#include "platform/gfx/PixelBuffer.h"

struct Look;

using ArtPainter = PixelBuffer (*)(const Look& look, TSize size);
