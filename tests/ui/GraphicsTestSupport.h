#pragma once
// Helpers for the graphics-object tests: bitmaps of known pixels, pictures
// of their pixels as text, and the test resource table.

#include "platform/core/Resources.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/Bitmap.h"
#include "tests/gfx/PainterTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

QZ_DECLARE_RESOURCE_TABLE(UiTestResources);

// A bitmap of the given size, every pixel of colour.
[[nodiscard]] inline std::unique_ptr<TBitmap> FilledBitmap(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Pixels().Fill(bitmap->Pixels().Bounds(), PixelFromColor(color));
    return bitmap;
}

// A bitmap drawn from a picture: rows separated by '\n' (a leading '\n'
// is skipped), one PixelChar character per pixel.
[[nodiscard]] inline std::unique_ptr<TBitmap> BitmapOf(std::string picture)
{
    if (!picture.empty() && picture.front() == '\n') picture.erase(0, 1);
    const int width = int(picture.find('\n'));
    const int height = int(picture.size()) / (width + 1);
    auto bitmap = std::make_unique<TBitmap>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            TColor color = clGray;
            switch (picture[std::size_t(y * (width + 1) + x)]) {
            case '.': color = clWhite; break;
            case '#': color = clBlack; break;
            case 'r': color = clRed; break;
            case 'g': color = clLime; break;
            case 'b': color = clBlue; break;
            default: break;
            }
            bitmap->Pixels().At(x, y) = PixelFromColor(color);
        }
    }
    return bitmap;
}

[[nodiscard]] inline std::string Picture(const TBitmap& bitmap)
{
    return Picture(bitmap.Pixels());
}

[[nodiscard]] inline TColor ColorAt(const TBitmap& bitmap, int x, int y)
{
    return ColorFromPixel(bitmap.Pixels().At(x, y));
}

// Registers the resources under tests/fixtures/ui-resources.
class UiResourcesTest : public testing::Test {
protected:
    UiResourcesTest() { RegisterResources(UiTestResources()); }
};
