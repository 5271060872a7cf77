#include "tools/skinart/Strip.h"

#include "platform/core/Exception.h"

PixelBuffer DrawStrip(TSize size, int count, const std::function<PixelBuffer(int, TSize)>& frame)
{
    if (count < 1 || size.cx < count) throw EInvalidOperation("A strip needs at least one column per frame");
    const TSize frameSize{size.cx / count, size.cy};
    PixelBuffer strip(size.cx, size.cy);
    for (int i = 0; i < count; ++i) {
        const PixelBuffer picture = frame(i, frameSize);
        if (picture.Width() != frameSize.cx || picture.Height() != frameSize.cy) {
            throw EInvalidOperation("A strip frame came out at the wrong size");
        }
        for (int y = 0; y < frameSize.cy; ++y) {
            for (int x = 0; x < frameSize.cx; ++x) strip.At(i * frameSize.cx + x, y) = picture.At(x, y);
        }
    }
    const TPixel spare = strip.At(0, size.cy - 1);
    strip.Fill({count * frameSize.cx, 0, size.cx, size.cy}, spare);
    return strip;
}
