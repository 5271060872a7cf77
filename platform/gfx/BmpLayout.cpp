#include "platform/gfx/BmpLayout.h"

#include "platform/core/Exception.h"
#include "platform/gfx/BmpFormat.h"
#include "platform/gfx/PixelBuffer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

using namespace bmp;

namespace {

[[noreturn]] void Damaged(const std::string& what)
{
    throw EReadError("Bitmap is damaged: " + what);
}

[[noreturn]] void Unsupported(const std::string& what)
{
    throw EInvalidGraphic("Bitmap format not supported: " + what);
}

std::string Hex(std::uint32_t v)
{
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "0x%08X", unsigned(v));
    return text.data();
}

// The header fields we use, widened so that no check can overflow.
struct InfoFields {
    std::size_t HeaderSize = 0;  // bytes
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    int BitCount = 0;
    std::uint32_t Compression = BI_RGB;
    std::uint32_t ColorsUsed = 0;
};

bool KnownHeaderSize(std::size_t size)
{
    constexpr std::array<std::size_t, 6> kKnown = {kCoreHeaderSize, kInfoHeaderSize, 52, 56, kV4HeaderSize,
                                                   kV5HeaderSize};
    return std::find(kKnown.begin(), kKnown.end(), size) != kKnown.end();
}

InfoFields ReadInfoFields(std::span<const std::uint8_t> data)
{
    if (data.size() < 2 || ReadU16(data.data()) != kSignature) Unsupported("not a BMP file (no BM signature)");
    if (data.size() < kFileHeaderSize + 4) Damaged("the file ends inside its file header");

    const std::uint8_t* info = data.data() + kFileHeaderSize;
    InfoFields f;
    f.HeaderSize = ReadU32(info);
    if (!KnownHeaderSize(f.HeaderSize)) Unsupported("unknown info header size " + std::to_string(f.HeaderSize));
    if (data.size() < kFileHeaderSize + f.HeaderSize) Damaged("the file ends inside its info header");

    if (f.HeaderSize == kCoreHeaderSize) {
        f.Width = ReadU16(info + 4);
        f.Height = ReadU16(info + 6);
        f.BitCount = ReadU16(info + 10);
        return f;
    }
    f.Width = std::int32_t(ReadU32(info + 4));
    f.Height = std::int32_t(ReadU32(info + 8));
    f.BitCount = ReadU16(info + 14);
    f.Compression = ReadU32(info + 16);
    f.ColorsUsed = ReadU32(info + 32);
    return f;
}

void CheckDimensions(const InfoFields& f)
{
    if (f.Width <= 0) Damaged("width " + std::to_string(f.Width) + " is not positive");
    if (f.Height == 0) Damaged("height is zero");
    if (f.Height == INT32_MIN) Damaged("height " + std::to_string(f.Height) + " is out of range");
    const std::int64_t height = f.Height < 0 ? -f.Height : f.Height;
    if (!PixelBuffer::SizeAllowed(f.Width, height))
        Unsupported("size " + std::to_string(f.Width) + " x " + std::to_string(height) + " exceeds the limit of " +
                    std::to_string(PixelBuffer::kMaxSide) + " pixels a side and " +
                    std::to_string(PixelBuffer::kMaxPixels) + " pixels in all");
}

bool IsBitFields(const InfoFields& f)
{
    return f.Compression == BI_BITFIELDS || f.Compression == BI_ALPHABITFIELDS;
}

void CheckDepthAndCompression(const InfoFields& f)
{
    switch (f.Compression) {
    case BI_RGB: {
        const bool core = f.HeaderSize == kCoreHeaderSize;
        const int b = f.BitCount;
        if (b == 1 || b == 4 || b == 8 || b == 24 || (!core && (b == 16 || b == 32))) return;
        Unsupported(std::to_string(b) + " bits per pixel");
    }
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        if (f.BitCount == 16 || f.BitCount == 32) return;
        Damaged("bit-field pixels of " + std::to_string(f.BitCount) + " bits (only 16 or 32 exist)");
    case BI_RLE8:
    case BI_RLE4:
        Unsupported("run-length compressed pixels");
    case BI_JPEG:
    case BI_PNG:
        Unsupported("embedded JPEG or PNG pixels");
    default:
        Unsupported("compression type " + std::to_string(f.Compression));
    }
}

BmpChannel ChannelFromMask(std::uint32_t mask, int bitCount)
{
    const std::optional<BmpChannel> channel = BmpChannel::FromMask(mask);
    if (!channel) Damaged("colour mask " + Hex(mask) + " is not one run of bits");
    if (bitCount < 32 && (mask >> bitCount) != 0)
        Damaged("colour mask " + Hex(mask) + " is wider than " + std::to_string(bitCount) + "-bit pixels");
    return *channel;
}

// Fills the channels of 16- and 32-bit files and returns where the masks
// end. Bit-field masks follow the 40-byte part of the header, inside the
// larger headers or right after a plain info header.
std::size_t ReadChannels(std::span<const std::uint8_t> data, const InfoFields& f, BmpLayout& layout)
{
    const std::size_t headerEnd = kFileHeaderSize + f.HeaderSize;
    if (!IsBitFields(f)) {
        if (f.BitCount == 16) {
            layout.Red = *BmpChannel::FromMask(0x7C00);
            layout.Green = *BmpChannel::FromMask(0x03E0);
            layout.Blue = *BmpChannel::FromMask(0x001F);
        } else if (f.BitCount == 32) {
            // Classic 32-bit pixels are opaque: their fourth byte is not alpha.
            layout.Red = *BmpChannel::FromMask(0x00FF0000);
            layout.Green = *BmpChannel::FromMask(0x0000FF00);
            layout.Blue = *BmpChannel::FromMask(0x000000FF);
        }
        return headerEnd;
    }

    const std::size_t masksStart = kFileHeaderSize + kInfoHeaderSize;
    const bool hasAlphaMask = f.Compression == BI_ALPHABITFIELDS || f.HeaderSize >= 56;
    const std::size_t masksEnd = masksStart + (hasAlphaMask ? 4 : 3) * 4;
    if (data.size() < masksEnd) Damaged("the file ends inside its colour masks");

    const std::uint8_t* masks = data.data() + masksStart;
    layout.Red = ChannelFromMask(ReadU32(masks), f.BitCount);
    layout.Green = ChannelFromMask(ReadU32(masks + 4), f.BitCount);
    layout.Blue = ChannelFromMask(ReadU32(masks + 8), f.BitCount);
    if (hasAlphaMask) layout.Alpha = ChannelFromMask(ReadU32(masks + 12), f.BitCount);
    return std::max(headerEnd, masksEnd);
}

// The palette sits between the headers and the pixel data. A palette
// shorter than declared is cut to what the gap holds; indices past its end
// are the decoder's business.
void ReadPaletteExtent(const InfoFields& f, std::size_t paletteStart, BmpLayout& layout)
{
    if (f.BitCount > 8) return;
    const std::uint32_t maxEntries = 1u << f.BitCount;
    if (f.ColorsUsed > maxEntries)
        Damaged("palette of " + std::to_string(f.ColorsUsed) + " colours is too long for " +
                std::to_string(f.BitCount) + " bits per pixel");
    const std::uint32_t declared = f.ColorsUsed != 0 ? f.ColorsUsed : maxEntries;
    layout.PaletteEntrySize = f.HeaderSize == kCoreHeaderSize ? 3 : 4;
    const std::size_t available = (layout.PixelOffset - paletteStart) / std::size_t(layout.PaletteEntrySize);
    layout.PaletteOffset = paletteStart;
    layout.PaletteEntries = int(std::min<std::size_t>(declared, available));
}

}  // namespace

BmpLayout ReadBmpLayout(std::span<const std::uint8_t> data)
{
    const InfoFields f = ReadInfoFields(data);
    CheckDimensions(f);
    CheckDepthAndCompression(f);

    BmpLayout layout;
    layout.Width = int(f.Width);
    layout.Height = int(f.Height < 0 ? -f.Height : f.Height);
    layout.TopDown = f.Height < 0;
    layout.BitCount = f.BitCount;

    const std::size_t headersEnd = ReadChannels(data, f, layout);
    const std::uint32_t pixelOffset = ReadU32(data.data() + kPixelOffsetField);
    if (pixelOffset < headersEnd)
        Damaged("pixel data offset " + std::to_string(pixelOffset) + " lies inside the headers");
    if (pixelOffset > data.size())
        Damaged("pixel data offset " + std::to_string(pixelOffset) + " lies beyond the end of the file (" +
                std::to_string(data.size()) + " bytes)");
    layout.PixelOffset = pixelOffset;
    ReadPaletteExtent(f, headersEnd, layout);

    // The last row may lack its padding; every other row must be whole.
    const std::int64_t stride = RowStride(f.Width, f.BitCount);
    const std::int64_t lastRow = (f.Width * f.BitCount + 7) / 8;
    const std::int64_t needed = stride * (layout.Height - 1) + lastRow;
    const std::int64_t present = std::int64_t(data.size() - layout.PixelOffset);
    if (needed > present)
        Damaged("pixel data needs " + std::to_string(needed) + " bytes but the file holds " + std::to_string(present));
    layout.RowStride = std::size_t(stride);
    return layout;
}
