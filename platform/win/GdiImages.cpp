// Bitmaps from and to image files held in memory.
#include "platform/win/Gdi.h"

#include "platform/core/Exception.h"
#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/BmpEncoder.h"
#include "platform/gfx/PngWriter.h"

HBITMAP LoadBmpImage(std::span<const std::uint8_t> bytes) { return CreateBitmapFromPixels(DecodeBmp(bytes).Pixels); }

std::vector<std::uint8_t> EncodeBitmapImage(HBITMAP bitmap, ImageFileFormat format)
{
    const PixelBuffer* pixels = BitmapPixels(bitmap);
    if (!pixels) throw EInvalidOperation("Invalid bitmap handle");
    return format == ImageFileFormat::Png ? EncodePng(*pixels) : EncodeBmp(*pixels);
}
