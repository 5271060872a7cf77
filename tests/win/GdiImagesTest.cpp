// Bitmaps from and to image files in memory.
#include "GdiTestSupport.h"

#include "platform/core/Exception.h"

#include <vector>

namespace {

TEST(GdiImages, ABitmapSurvivesABmpRoundTrip)
{
    PixelBuffer pixels = WhiteBuffer(3, 2);
    pixels.At(0, 0) = PixelFromRGB(clRed);
    pixels.At(2, 1) = PixelFromRGB(clBlue);
    const ScopedObject bitmap(CreateBitmapFromPixels(pixels));
    const std::vector<std::uint8_t> file = EncodeBitmapImage(bitmap, ImageFileFormat::Bmp);
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file[0], 'B');
    const ScopedObject loaded(LoadBmpImage(file));
    ASSERT_NE(BitmapPixels(loaded), nullptr);
    EXPECT_TRUE(*BitmapPixels(loaded) == pixels);

    // A loaded bitmap draws like any other.
    MemoryDC m(3, 2);
    const HDC source = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(source, loaded);
    BitBlt(m.Handle(), 0, 0, 3, 2, source, 0, 0, SRCCOPY);
    EXPECT_EQ(m.Picture(), "\nr..\n..b\n");
    SelectObject(source, previous);
    DeleteDC(source);
}

TEST(GdiImages, PngEncodingStartsWithTheSignature)
{
    const ScopedObject bitmap(CreateCompatibleBitmap(nullptr, 2, 2));
    const std::vector<std::uint8_t> png = EncodeBitmapImage(bitmap, ImageFileFormat::Png);
    const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), signature.size());
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
}

TEST(GdiImages, BadInputIsRefusedWithTheFrameworkExceptions)
{
    const std::vector<std::uint8_t> junk = {'B', 'M', 1, 2, 3};
    EXPECT_THROW((void)LoadBmpImage(junk), Exception);
    EXPECT_THROW((void)LoadBmpImage({}), Exception);
    EXPECT_THROW((void)EncodeBitmapImage(nullptr, ImageFileFormat::Bmp), EInvalidOperation);
    const ScopedObject empty(CreateBitmap(0, 0, 1, 32, nullptr));
    EXPECT_THROW((void)EncodeBitmapImage(empty, ImageFileFormat::Png), Exception);
}

}  // namespace
