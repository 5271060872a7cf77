#include "platform/gfx/BmpDecoder.h"

#include "platform/gfx/BmpFormat.h"
#include "platform/gfx/BmpLayout.h"

#include <algorithm>
#include <array>

using namespace bmp;

namespace {

using Palette = std::array<TPixel, 256>;

TPixel WithAlpha(TPixel p, std::uint8_t alpha)
{
    return (p & 0x00FFFFFFu) | (TPixel(alpha) << 24);
}

Palette ReadPalette(std::span<const std::uint8_t> data, const BmpLayout& layout)
{
    Palette palette;
    palette.fill(PixelFromRGB(clBlack));
    const std::uint8_t* entry = data.data() + layout.PaletteOffset;
    for (int i = 0; i < layout.PaletteEntries; ++i, entry += layout.PaletteEntrySize)
        palette[std::size_t(i)] = PixelFromRGB(RGB(entry[2], entry[1], entry[0]));
    return palette;
}

// Calls decodeRow(source row, destination row) for every row, turning the
// file's row order into top-down.
template <class DecodeRow>
void ForEachRow(std::span<const std::uint8_t> data, const BmpLayout& layout, PixelBuffer& out, DecodeRow decodeRow)
{
    const std::uint8_t* row = data.data() + layout.PixelOffset;
    for (int r = 0; r < layout.Height; ++r, row += layout.RowStride)
        decodeRow(row, out.Row(layout.TopDown ? r : layout.Height - 1 - r));
}

void DecodeIndexed(std::span<const std::uint8_t> data, const BmpLayout& layout, PixelBuffer& out)
{
    const Palette palette = ReadPalette(data, layout);
    const int bits = layout.BitCount;
    const unsigned indexMask = (1u << bits) - 1;
    ForEachRow(data, layout, out, [&](const std::uint8_t* src, TPixel* dst) {
        // Pixels are packed from the most significant bit of each byte.
        for (int x = 0; x < layout.Width; ++x) {
            const int bit = x * bits;
            const unsigned index = (src[bit / 8] >> (8 - bits - bit % 8)) & indexMask;
            dst[x] = palette[index];
        }
    });
}

void DecodeRgb24(std::span<const std::uint8_t> data, const BmpLayout& layout, PixelBuffer& out)
{
    ForEachRow(data, layout, out, [&](const std::uint8_t* src, TPixel* dst) {
        for (int x = 0; x < layout.Width; ++x, src += 3) dst[x] = PixelFromRGB(RGB(src[2], src[1], src[0]));
    });
}

void DecodeMasked(std::span<const std::uint8_t> data, const BmpLayout& layout, PixelBuffer& out)
{
    const bool wide = layout.BitCount == 32;
    const bool hasAlpha = layout.Alpha.Bits != 0;
    ForEachRow(data, layout, out, [&](const std::uint8_t* src, TPixel* dst) {
        for (int x = 0; x < layout.Width; ++x) {
            const std::uint32_t v = wide ? ReadU32(src + 4 * x) : ReadU16(src + 2 * x);
            const TColor color = RGB(layout.Red.Extract(v), layout.Green.Extract(v), layout.Blue.Extract(v));
            const TPixel rgb = PixelFromRGB(color);
            dst[x] = hasAlpha ? WithAlpha(rgb, layout.Alpha.Extract(v)) : rgb;
        }
    });
    if (!hasAlpha) return;
    TPixel* begin = out.Data();
    TPixel* end = begin + std::size_t(out.Width()) * std::size_t(out.Height());
    if (std::none_of(begin, end, [](TPixel p) { return (p >> 24) != 0; }))
        std::for_each(begin, end, [](TPixel& p) { p = WithAlpha(p, 0xFF); });
}

}  // namespace

BmpImage DecodeBmp(std::span<const std::uint8_t> data)
{
    const BmpLayout layout = ReadBmpLayout(data);
    BmpImage image{PixelBuffer(layout.Width, layout.Height), layout.BitCount};
    if (layout.BitCount <= 8)
        DecodeIndexed(data, layout, image.Pixels);
    else if (layout.BitCount == 24)
        DecodeRgb24(data, layout, image.Pixels);
    else
        DecodeMasked(data, layout, image.Pixels);
    return image;
}
