#pragma once
// What the skin foundation tests share: bitmaps whose pixels name their own
// coordinates (so a drawn piece can be traced back to its source), small
// bitmaps drawn from text pictures, and the program's resources.

#include "platform/core/Resources.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "tests/support/BitmapPictures.h"

#include <memory>
#include <optional>
#include <string>

QZ_DECLARE_RESOURCE_TABLE(AppResources);

namespace skintest {

using bitmaptest::BitmapOf;
using bitmaptest::ColorAt;
using bitmaptest::ColorOfChar;
using bitmaptest::FilledBitmap;

// The blue of every pixel of a coordinate face; never fuchsia's.
inline constexpr int kFaceBlue = 0x80;

// Pixel (x, y) is red x, green y, blue kFaceBlue (sides up to 256 pixels).
[[nodiscard]] inline std::unique_ptr<TBitmap> CoordinateFace(int width, int height)
{
    auto face = std::make_unique<TBitmap>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) face->Pixels().At(x, y) = PixelFromColor(x | (y << 8) | (kFaceBlue << 16));
    }
    return face;
}

// The face coordinates a colour names, or nullopt for a colour no face has.
[[nodiscard]] inline std::optional<TPoint> FacePointOf(TColor color)
{
    if (((color >> 16) & 0xFF) != kFaceBlue) return std::nullopt;
    return TPoint{color & 0xFF, (color >> 8) & 0xFF};
}

// Text pictures as tests/support/BitmapPictures.h reads them; '?' stands
// for any colour that has no letter.
[[nodiscard]] inline char CharOfColor(TColor color)
{
    for (const char c : std::string(".#rgbf")) {
        if (ColorOfChar(c) == color) return c;
    }
    return '?';
}

[[nodiscard]] inline std::string PictureOf(const TBitmap& bitmap)
{
    std::string text = "\n";
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) text += CharOfColor(ColorAt(bitmap, x, y));
        text += '\n';
    }
    return text;
}

// Registers the program's own resources (skin bitmaps, strings).
inline void UseAppResources()
{
    RegisterResources(AppResources());
}

}  // namespace skintest
