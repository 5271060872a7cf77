#include "skin/core/SUIPublic.h"

#include "platform/core/Exception.h"
#include "platform/gfx/PixelBuffer.h"
#include "platform/ui/graphics/Bitmap.h"
#include "platform/ui/graphics/Canvas.h"
#include "platform/ui/graphics/ImageList.h"
#include "platform/ui/graphics/Picture.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// Replaces the bitmap's pixels by a picture of resultWidth x resultHeight
// whose pixel (x, y) is the old pixel sourceOf(x, y).
template <class SourceOf>
void Remap(TBitmap& bitmap, int resultWidth, int resultHeight, SourceOf sourceOf)
{
    const PixelBuffer& source = bitmap.Pixels();
    PixelBuffer result(resultWidth, resultHeight);
    for (int y = 0; y < resultHeight; ++y) {
        for (int x = 0; x < resultWidth; ++x) {
            const TPoint from = sourceOf(x, y);
            result.At(x, y) = source.At(from.X, from.Y);
        }
    }
    bitmap.SetSize(resultWidth, resultHeight);
    bitmap.Pixels() = std::move(result);
    bitmap.SetModified(true);
}

}  // namespace

void SpitBitmap(TBitmap* source, TBitmap* dest, int count, int index)
{
    if (!source || !dest) return;
    if (count < 1) throw EInvalidOperation("A skin strip needs at least one frame, not " + std::to_string(count));
    if (index < 1 || index > count) {
        dest->SetSize(0, 0);
        return;
    }
    const int frameWidth = source->Width() / count;
    const int height = source->Height();
    TBitmap frame(frameWidth, height);
    const bool hasPixels = frameWidth > 0 && height > 0;
    if (hasPixels) {
        const int left = frameWidth * (index - 1);
        frame.Canvas()->CopyRect(Rect(0, 0, frameWidth, height), source->Canvas(),
                                 Rect(left, 0, left + frameWidth, height));
    }
    dest->SetHeight(height);
    dest->SetWidth(frameWidth);
    if (hasPixels) dest->Canvas()->Draw(0, 0, &frame);
}

void SpitDrawHorizontal(TBitmap* bitmap, TCanvas* canvas, const TRect& rect, bool transparent)
{
    if (!bitmap || !canvas) return;
    const int capWidth = bitmap->Width() / 3;
    const int height = bitmap->Height();
    if (capWidth <= 0 || height <= 0) return;
    const TColor key = ColorFromPixel(bitmap->Pixels().At(0, 0));

    TImageList pieces(nullptr);
    pieces.SetWidth(capWidth);
    pieces.SetHeight(height);
    pieces.AddMasked(bitmap, transparent ? key : kSkinKeyColor);
    pieces.Draw(canvas, rect.Left, rect.Top, 0);
    pieces.Draw(canvas, rect.Right - capWidth, rect.Top, 2);

    // A rectangle narrower than both caps has no room for the middle.
    const TRect middleRect{rect.Left + capWidth, rect.Top, rect.Right - capWidth, rect.Bottom};
    if (middleRect.IsEmpty()) return;
    TBitmap middle;
    pieces.GetBitmap(1, &middle);
    canvas->StretchDraw(middleRect, &middle);
}

void TileDraw(TCanvas* canvas, TPicture* picture, const TRect& rect)
{
    if (!canvas || !picture || !picture->Graphic()) return;
    const std::int64_t tileWidth = picture->Width();
    const std::int64_t tileHeight = picture->Height();
    if (tileWidth <= 0 || tileHeight <= 0) return;

    // The grid runs from (0, 0) one tile past the rectangle's size. Tiles
    // the canvas would clip away entirely are left out, which also keeps
    // the loops bounded by what can be drawn on.
    const TRect clip = canvas->ClipRect();
    const std::int64_t xEnd = std::min(tileWidth + rect.Width(), std::int64_t(clip.Right));
    const std::int64_t yEnd = std::min(tileHeight + rect.Height(), std::int64_t(clip.Bottom));
    const std::int64_t xStart = clip.Left > 0 ? clip.Left / tileWidth * tileWidth : 0;
    const std::int64_t yStart = clip.Top > 0 ? clip.Top / tileHeight * tileHeight : 0;
    for (std::int64_t x = xStart; x < xEnd; x += tileWidth) {
        for (std::int64_t y = yStart; y < yEnd; y += tileHeight) {
            canvas->Draw(int(x), int(y), picture->Graphic());
        }
    }
}

void RoundPicture(TBitmap* bitmap)
{
    if (!bitmap) return;
    const int width = bitmap->Width();
    Remap(*bitmap, bitmap->Height(), width, [width](int x, int y) { return TPoint{width - 1 - y, x}; });
}

void RoundPicture2(TBitmap* bitmap)
{
    if (!bitmap) return;
    const int height = bitmap->Height();
    Remap(*bitmap, bitmap->Width(), height, [height](int x, int y) { return TPoint{x, height - 1 - y}; });
}

void RoundPicture3(TBitmap* bitmap)
{
    if (!bitmap) return;
    const int height = bitmap->Height();
    Remap(*bitmap, height, bitmap->Width(), [height](int x, int y) { return TPoint{y, height - 1 - x}; });
}
