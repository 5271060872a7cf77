#include "platform/gfx/BmpEncoder.h"

#include "platform/core/Exception.h"
#include "platform/gfx/BmpFormat.h"

using namespace bmp;

namespace {

constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

// Masks matching pixel memory 0xAARRGGBB stored little-endian.
constexpr std::uint32_t kRedMask = 0x00FF0000;
constexpr std::uint32_t kGreenMask = 0x0000FF00;
constexpr std::uint32_t kBlueMask = 0x000000FF;
constexpr std::uint32_t kAlphaMask = 0xFF000000;

void WriteHeaders(std::uint8_t* out, const PixelBuffer& pixels, BmpPixelFormat format, std::size_t fileSize)
{
    const bool wide = format == BmpPixelFormat::Argb32;
    const std::size_t infoSize = wide ? kV4HeaderSize : kInfoHeaderSize;
    const std::size_t pixelOffset = kFileHeaderSize + infoSize;

    WriteU16(out, kSignature);
    WriteU32(out + kFileSizeField, std::uint32_t(fileSize));
    WriteU32(out + kPixelOffsetField, std::uint32_t(pixelOffset));

    std::uint8_t* info = out + kFileHeaderSize;
    WriteU32(info, std::uint32_t(infoSize));
    WriteU32(info + 4, std::uint32_t(pixels.Width()));
    WriteU32(info + 8, std::uint32_t(pixels.Height()));  // positive: bottom-up
    WriteU16(info + 12, 1);                              // planes
    WriteU16(info + 14, wide ? 32 : 24);
    WriteU32(info + 16, wide ? BI_BITFIELDS : BI_RGB);
    WriteU32(info + 20, std::uint32_t(fileSize - pixelOffset));
    WriteU32(info + 24, kPixelsPerMetre);
    WriteU32(info + 28, kPixelsPerMetre);
    if (!wide) return;
    WriteU32(info + 40, kRedMask);
    WriteU32(info + 44, kGreenMask);
    WriteU32(info + 48, kBlueMask);
    WriteU32(info + 52, kAlphaMask);
    WriteU32(info + 56, LCS_sRGB);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const PixelBuffer& pixels, BmpPixelFormat format)
{
    if (pixels.IsEmpty()) throw EInvalidGraphic("An empty bitmap cannot be saved as BMP");

    const bool wide = format == BmpPixelFormat::Argb32;
    const int bitCount = wide ? 32 : 24;
    const std::size_t stride = std::size_t(RowStride(pixels.Width(), bitCount));
    const std::size_t pixelOffset = kFileHeaderSize + (wide ? kV4HeaderSize : kInfoHeaderSize);
    // PixelBuffer's limits keep this far below 4 GiB, the format's ceiling.
    const std::size_t fileSize = pixelOffset + stride * std::size_t(pixels.Height());

    std::vector<std::uint8_t> out(fileSize, 0);
    WriteHeaders(out.data(), pixels, format, fileSize);

    std::uint8_t* row = out.data() + pixelOffset;
    for (int y = pixels.Height() - 1; y >= 0; --y, row += stride) {
        const TPixel* src = pixels.Row(y);
        std::uint8_t* dst = row;
        for (int x = 0; x < pixels.Width(); ++x) {
            const TColor c = ColorFromPixel(src[x]);
            *dst++ = std::uint8_t(GetBValue(c));
            *dst++ = std::uint8_t(GetGValue(c));
            *dst++ = std::uint8_t(GetRValue(c));
            if (wide) *dst++ = std::uint8_t(src[x] >> 24);
        }
    }
    return out;
}
