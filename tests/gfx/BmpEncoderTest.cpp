#include "platform/core/Exception.h"
#include "platform/gfx/BmpDecoder.h"
#include "platform/gfx/BmpEncoder.h"

#include <gtest/gtest.h>

namespace {

// A deterministic picture with every channel varying; alpha as given.
PixelBuffer Picture(int width, int height, TPixel (*alpha)(int x, int y))
{
    PixelBuffer p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TPixel rgb = PixelFromRGB(RGB(x * 37 + y, y * 53 + 7, (x ^ y) * 29));
            p.At(x, y) = (rgb & 0x00FFFFFFu) | (alpha(x, y) << 24);
        }
    return p;
}

TPixel Opaque(int, int)
{
    return 0xFF;
}
TPixel Varying(int x, int y)
{
    return TPixel(x * 16 + y) & 0xFF;
}

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | std::uint32_t(b.at(at + 3)) << 24;
}

TEST(BmpEncode, RoundTripsOpaquePicturesInBothFormats)
{
    // Widths 1 to 5 give every amount of 24-bit row padding.
    for (int width = 1; width <= 5; ++width)
        for (const BmpPixelFormat format : {BmpPixelFormat::Rgb24, BmpPixelFormat::Argb32}) {
            const PixelBuffer p = Picture(width, 3, Opaque);
            const BmpImage back = DecodeBmp(EncodeBmp(p, format));
            EXPECT_EQ(back.Pixels, p) << width;
            EXPECT_EQ(back.SourceBitCount, format == BmpPixelFormat::Rgb24 ? 24 : 32);
        }
}

TEST(BmpEncode, Argb32KeepsAlphaAndRgb24DropsIt)
{
    const PixelBuffer p = Picture(7, 4, Varying);
    EXPECT_EQ(DecodeBmp(EncodeBmp(p, BmpPixelFormat::Argb32)).Pixels, p);
    EXPECT_EQ(DecodeBmp(EncodeBmp(p, BmpPixelFormat::Rgb24)).Pixels, Picture(7, 4, Opaque));
}

TEST(BmpEncode, WritesBottomUpRowsWithZeroPadding)
{
    PixelBuffer p(1, 2);
    p.At(0, 0) = PixelFromRGB(RGB(1, 2, 3));
    p.At(0, 1) = PixelFromRGB(RGB(4, 5, 6));
    const std::vector<std::uint8_t> b = EncodeBmp(p);
    ASSERT_EQ(b.size(), 54u + 2 * 4);
    EXPECT_EQ(U32At(b, 2), b.size());        // file size
    EXPECT_EQ(U32At(b, 10), 54u);            // pixel offset
    EXPECT_EQ(U32At(b, 22), 2u);             // positive height: bottom-up
    const std::vector<std::uint8_t> rows(b.begin() + 54, b.end());
    EXPECT_EQ(rows, (std::vector<std::uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(BmpEncode, RefusesAnEmptyBuffer)
{
    EXPECT_THROW((void)EncodeBmp(PixelBuffer()), EInvalidGraphic);
    EXPECT_THROW((void)EncodeBmp(PixelBuffer(3, 0)), EInvalidGraphic);
}

}  // namespace
