#pragma once
// Bitmaps for tests, made from text pictures or filled with one colour.
// Pictures: '.' white, '#' black, 'r' red, 'g' lime, 'b' blue, 'f' fuchsia,
// anything else grey; rows end with '\n', and a leading '\n' is skipped so
// that raw string literals can be written as blocks.

#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"

#include <memory>
#include <string>

namespace bitmaptest {

[[nodiscard]] inline TColor ColorOfChar(char c)
{
    switch (c) {
    case '.': return clWhite;
    case '#': return clBlack;
    case 'r': return clRed;
    case 'g': return clLime;
    case 'b': return clBlue;
    case 'f': return clFuchsia;
    default: return clGray;
    }
}

[[nodiscard]] inline std::unique_ptr<TBitmap> BitmapOf(std::string picture)
{
    if (!picture.empty() && picture.front() == '\n') picture.erase(0, 1);
    const int width = int(picture.find('\n'));
    const int height = int(picture.size()) / (width + 1);
    auto bitmap = std::make_unique<TBitmap>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap->Pixels().At(x, y) = PixelFromColor(ColorOfChar(picture[std::size_t(y * (width + 1) + x)]));
        }
    }
    return bitmap;
}

[[nodiscard]] inline std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Pixels().Fill(bitmap->Pixels().Bounds(), PixelFromColor(color));
    return bitmap;
}

[[nodiscard]] inline TColor ColorAt(const TBitmap& bitmap, int x, int y)
{
    return ColorFromPixel(bitmap.Pixels().At(x, y));
}

}  // namespace bitmaptest
