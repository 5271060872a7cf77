#include "BmpTestFile.h"

#include "platform/gfx/BmpChannel.h"
#include "platform/gfx/BmpDecoder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Colours whose channels are 0 or 255, so that every depth holds them exactly.
constexpr std::array<TColor, 8> kColors = {clRed, clBlue, clLime, clWhite, clBlack, clYellow, clFuchsia, clAqua};

struct DepthCase {
    const char* Name;
    int HeaderSize;
    int BitCount;
    std::uint32_t Compression;
    std::vector<std::uint32_t> Masks;
    std::uint32_t (*Pack)(TColor);  // raw pixel value; null for palette depths
};

void PrintTo(const DepthCase& c, std::ostream* os)
{
    *os << c.Name;
}

std::uint32_t Pack555(TColor c)
{
    return std::uint32_t((GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | GetBValue(c) >> 3);
}
std::uint32_t Pack565(TColor c)
{
    return std::uint32_t((GetRValue(c) >> 3) << 11 | (GetGValue(c) >> 2) << 5 | GetBValue(c) >> 3);
}
std::uint32_t PackRgb(TColor c)
{
    return std::uint32_t(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
}
// The fourth byte of a plain 32-bit pixel is not alpha: fill it with junk.
std::uint32_t PackXrgb(TColor c)
{
    return 0x5A000000u | PackRgb(c);
}
// Bytes R, G, B, A in memory order.
std::uint32_t PackRgba(TColor c)
{
    return std::uint32_t(c) | 0xFF000000u;
}

class BmpDecodeDepth : public testing::TestWithParam<DepthCase> {};

// A 5 x 3 picture: odd widths exercise row padding and partly filled bytes.
TEST_P(BmpDecodeDepth, DecodesEveryPixelInBothRowOrders)
{
    const DepthCase& c = GetParam();
    const std::size_t colorCount = c.BitCount == 1 ? 2 : kColors.size();
    for (const int direction : {1, -1}) {
        if (direction < 0 && c.HeaderSize == 12) continue;  // core heights are unsigned
        SCOPED_TRACE(direction > 0 ? "bottom-up" : "top-down");
        BmpTestFile file{.HeaderSize = c.HeaderSize,
                         .Width = 5,
                         .Height = 3 * direction,
                         .BitCount = c.BitCount,
                         .Compression = c.Compression,
                         .Masks = c.Masks};
        std::vector<TColor> expected;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const std::size_t index = std::size_t(x * 3 + y * 5) % colorCount;
                expected.push_back(kColors[index]);
                file.Values.push_back(c.Pack ? c.Pack(kColors[index]) : std::uint32_t(index));
            }
        if (!c.Pack)
            for (std::size_t i = 0; i < colorCount; ++i) file.Palette.push_back(PackRgb(kColors[i]));

        const BmpImage image = DecodeBmp(file.Bytes());
        EXPECT_EQ(image.SourceBitCount, c.BitCount);
        ASSERT_EQ(image.Pixels.Width(), 5);
        ASSERT_EQ(image.Pixels.Height(), 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(image.Pixels.At(x, y), PixelFromRGB(expected[std::size_t(y * 5 + x)])) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Depths, BmpDecodeDepth,
    testing::Values(DepthCase{"Info1", 40, 1, 0, {}, nullptr}, DepthCase{"Info4", 40, 4, 0, {}, nullptr},
                    DepthCase{"Info8", 40, 8, 0, {}, nullptr}, DepthCase{"Core1", 12, 1, 0, {}, nullptr},
                    DepthCase{"Core4", 12, 4, 0, {}, nullptr}, DepthCase{"Core8", 12, 8, 0, {}, nullptr},
                    DepthCase{"Core24", 12, 24, 0, {}, PackRgb}, DepthCase{"Rgb555", 40, 16, 0, {}, Pack555},
                    DepthCase{"BitFields565", 40, 16, 3, {0xF800, 0x07E0, 0x001F}, Pack565},
                    DepthCase{"Info24", 40, 24, 0, {}, PackRgb}, DepthCase{"V5Rgb24", 124, 24, 0, {}, PackRgb},
                    DepthCase{"Rgb32", 40, 32, 0, {}, PackXrgb},
                    DepthCase{"V4Rgb32IgnoresMasks", 108, 32, 0, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, PackXrgb},
                    DepthCase{"BitFields32Rgba", 52, 32, 3, {0xFF, 0xFF00, 0xFF0000}, PackRgba}),
    [](const testing::TestParamInfo<DepthCase>& info) { return std::string(info.param.Name); });

TEST(BmpDecode, PaletteEntriesAreBlueGreenRedInThatOrder)
{
    for (const int headerSize : {12, 40}) {
        const BmpTestFile file{.HeaderSize = headerSize, .BitCount = 8, .Palette = {0x123456}, .Values = {0}};
        EXPECT_EQ(DecodeBmp(file.Bytes()).Pixels.At(0, 0), PixelFromRGB(RGB(0x12, 0x34, 0x56))) << headerSize;
    }
}

TEST(BmpDecode, IndicesPastAShortPaletteAreBlack)
{
    // Two colours declared for eight bits.
    BmpTestFile declared{.Width = 3, .BitCount = 8, .Palette = {0xFF0000, 0x00FF00}, .ColorsUsed = 2,
                         .Values = {1, 2, 255}};
    // Sixteen implied for four bits, but the pixel data starts after three.
    BmpTestFile cut{.Width = 3, .BitCount = 4, .Palette = {0xFF0000, 0x00FF00, 0x0000FF}, .Values = {2, 3, 15}};
    const PixelBuffer a = DecodeBmp(declared.Bytes()).Pixels;
    EXPECT_EQ(a.At(0, 0), PixelFromRGB(clLime));
    EXPECT_EQ(a.At(1, 0), PixelFromRGB(clBlack));
    EXPECT_EQ(a.At(2, 0), PixelFromRGB(clBlack));
    const PixelBuffer b = DecodeBmp(cut.Bytes()).Pixels;
    EXPECT_EQ(b.At(0, 0), PixelFromRGB(clBlue));
    EXPECT_EQ(b.At(1, 0), PixelFromRGB(clBlack));
    EXPECT_EQ(b.At(2, 0), PixelFromRGB(clBlack));
}

TEST(BmpDecode, NarrowChannelsStretchToFullRange)
{
    // 5-6-5: red 16 of 31, green 32 of 63, blue 31 of 31.
    const BmpTestFile file{.BitCount = 16, .Compression = 3, .Masks = {0xF800, 0x07E0, 0x001F},
                           .Values = {16u << 11 | 32u << 5 | 31u}};
    EXPECT_EQ(DecodeBmp(file.Bytes()).Pixels.At(0, 0), PixelFromRGB(RGB(132, 130, 255)));
}

TEST(BmpChannel, WideChannelsKeepTheirTopBitsAndBrokenMasksAreRejected)
{
    const BmpChannel ten = *BmpChannel::FromMask(0x3FF00000);
    EXPECT_EQ(ten.Extract(0x3FF00000), 255);
    EXPECT_EQ(ten.Extract(0x20000000), 128);
    EXPECT_EQ(BmpChannel::FromMask(0)->Extract(0xFFFFFFFF), 0);
    EXPECT_EQ(BmpChannel::FromMask(0xFFFFFFFF)->Extract(0x80000000), 0x80);
    EXPECT_FALSE(BmpChannel::FromMask(0x0F0F).has_value());
}

TEST(BmpDecode, AlphaComesOnlyFromABitFieldAlphaMask)
{
    const std::vector<std::uint32_t> masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    const std::vector<std::uint32_t> values = {0x80102030, 0x00405060};
    const TPixel half = (PixelFromRGB(RGB(0x10, 0x20, 0x30)) & 0x00FFFFFF) | 0x80000000;
    const TPixel clear = PixelFromRGB(RGB(0x40, 0x50, 0x60)) & 0x00FFFFFF;

    for (const int headerSize : {56, 108, 124}) {
        const BmpTestFile file{.HeaderSize = headerSize, .Width = 2, .BitCount = 32, .Compression = 3,
                               .Masks = masks, .Values = values};
        const PixelBuffer p = DecodeBmp(file.Bytes()).Pixels;
        EXPECT_EQ(p.At(0, 0), half) << headerSize;
        EXPECT_EQ(p.At(1, 0), clear) << headerSize;
    }
    // Compression 6 puts four masks after a plain info header.
    const BmpTestFile alphaFields{.Width = 2, .BitCount = 32, .Compression = 6, .Masks = masks, .Values = values};
    EXPECT_EQ(DecodeBmp(alphaFields.Bytes()).Pixels.At(0, 0), half);
    // Plain 32-bit pixels stay opaque whatever their fourth byte says.
    const BmpTestFile plain{.Width = 2, .BitCount = 32, .Values = values};
    EXPECT_EQ(DecodeBmp(plain.Bytes()).Pixels.At(0, 0), PixelFromRGB(RGB(0x10, 0x20, 0x30)));
}

TEST(BmpDecode, AlphaZeroEverywhereMeansOpaque)
{
    const BmpTestFile file{.HeaderSize = 108, .Width = 2, .BitCount = 32, .Compression = 3,
                           .Masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, .Values = {0x00102030, 0x00405060}};
    const PixelBuffer p = DecodeBmp(file.Bytes()).Pixels;
    EXPECT_EQ(p.At(0, 0), PixelFromRGB(RGB(0x10, 0x20, 0x30)));
    EXPECT_EQ(p.At(1, 0), PixelFromRGB(RGB(0x40, 0x50, 0x60)));
}

TEST(BmpDecode, PixelDataStartsAtTheDeclaredOffset)
{
    const BmpTestFile file{.BitCount = 24, .GapBeforePixels = 10, .Values = {0x112233}};
    EXPECT_EQ(DecodeBmp(file.Bytes()).Pixels.At(0, 0), PixelFromRGB(RGB(0x11, 0x22, 0x33)));
}

TEST(BmpDecode, AcceptsALastRowWithoutItsPadding)
{
    const BmpTestFile file{.Width = 1, .Height = 2, .BitCount = 24, .Values = {0x010203, 0x040506}};
    std::vector<std::uint8_t> bytes = file.Bytes();
    bytes.resize(bytes.size() - 1);
    const PixelBuffer p = DecodeBmp(bytes).Pixels;
    EXPECT_EQ(p.At(0, 0), PixelFromRGB(RGB(1, 2, 3)));
    EXPECT_EQ(p.At(0, 1), PixelFromRGB(RGB(4, 5, 6)));
}

}  // namespace
