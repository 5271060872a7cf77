#pragma once
// Operations on finished pictures, for the previews and the contact sheet:
// cutting frames out of strips, turning, copying with or without a key
// colour, stretching, and the skin's nine-piece stretch of button faces.

#include "platform/core/Rect.h"
#include "platform/gfx/PixelBuffer.h"

#include <optional>

// Frame index (from 1) of count equal frames side by side.
[[nodiscard]] PixelBuffer FrameOf(const PixelBuffer& strip, int count, int index);
// A quarter turn counter-clockwise (the top row becomes the left column).
[[nodiscard]] PixelBuffer TurnLeft(const PixelBuffer& picture);
// A quarter turn clockwise.
[[nodiscard]] PixelBuffer TurnRight(const PixelBuffer& picture);
// Each pixel made factor x factor.
[[nodiscard]] PixelBuffer ScaledUp(const PixelBuffer& picture, int factor);

// Copies source into dest at `at`, leaving out pixels of the key colour.
void Put(PixelBuffer& dest, const PixelBuffer& source, TPoint at, std::optional<TColor> key = std::nullopt);
// Stretches the part of source over target (nearest pixel), leaving out the key.
void PutStretched(PixelBuffer& dest, const PixelBuffer& source, const TRect& part, const TRect& target,
                  std::optional<TColor> key = std::nullopt);
// Corners at their own size, edges and middle stretched: how a button face
// grows to a button. Fuchsia pixels are left out.
void PutNinePiece(PixelBuffer& dest, const PixelBuffer& face, const TRect& target);
// Three pieces along the width: ends kept, middle stretched.
void PutThreePiece(PixelBuffer& dest, const PixelBuffer& picture, const TRect& target);
