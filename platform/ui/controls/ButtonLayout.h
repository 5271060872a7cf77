#pragma once
// Where a button draws its glyph relative to its caption.

#include "platform/core/EnumInfo.h"

QZ_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
