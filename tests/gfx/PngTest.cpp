#include "tests/support/GoldenImage.h"

#include "platform/core/Exception.h"
#include "platform/gfx/PngWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

namespace {

// A small picture with distinct channels and varied alpha in every pixel.
PixelBuffer Sample()
{
    PixelBuffer pixels(5, 3);
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            pixels.At(x, y) = TPixel(40 * x + 30 * y) << 24 | TPixel(50 * x) << 16 | TPixel(80 * y) << 8 | TPixel(x + y);
    return pixels;
}

TEST(PngWriter, RgbRoundTripKeepsColoursAndMakesPixelsOpaque)
{
    const PixelBuffer original = Sample();
    const PixelBuffer decoded = DecodePngForTest(EncodePng(original, PngChannels::Rgb));
    ASSERT_EQ(decoded.Width(), original.Width());
    ASSERT_EQ(decoded.Height(), original.Height());
    for (int y = 0; y < original.Height(); ++y)
        for (int x = 0; x < original.Width(); ++x)
            EXPECT_EQ(decoded.At(x, y), original.At(x, y) | 0xFF000000u) << x << "," << y;
}

TEST(PngWriter, RgbaRoundTripKeepsAlpha)
{
    const PixelBuffer original = Sample();
    EXPECT_TRUE(DecodePngForTest(EncodePng(original, PngChannels::Rgba)) == original);
}

TEST(PngWriter, OutputIsAPngStream)
{
    constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const std::vector<std::uint8_t> png = EncodePng(PixelBuffer(1, 1));
    ASSERT_GE(png.size(), kSignature.size());
    EXPECT_TRUE(std::equal(kSignature.begin(), kSignature.end(), png.begin()));
}

TEST(PngWriter, FileRoundTrip)
{
    const std::string path = (std::filesystem::temp_directory_path() / "qz_png_writer_test.png").string();
    const PixelBuffer original = Sample();
    SavePngFile(original, path, PngChannels::Rgba);
    EXPECT_TRUE(LoadPngForTest(path) == original);
    std::filesystem::remove(path);
}

TEST(PngWriter, RefusesWhatItCannotWrite)
{
    EXPECT_THROW((void)EncodePng(PixelBuffer()), EWriteError);
    EXPECT_THROW((void)EncodePng(PixelBuffer(0, 4)), EWriteError);
    EXPECT_THROW(SavePngFile(Sample(), "/nonexistent-directory/picture.png"), EFOpenError);
}

TEST(PngWriter, TestDecoderRefusesDamagedData)
{
    std::vector<std::uint8_t> png = EncodePng(Sample());
    EXPECT_THROW((void)DecodePngForTest(std::span(png).first(20)), EReadError);
    png[1] = 'X';
    EXPECT_THROW((void)DecodePngForTest(png), EReadError);
}

}  // namespace
