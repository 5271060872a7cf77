#include "BmpTestFile.h"

#include "platform/core/Exception.h"
#include "platform/gfx/BmpDecoder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

enum class Refusal { Damaged, Unsupported };

BmpTestFile SmallFile()
{
    return BmpTestFile{.Width = 2, .Height = 2, .BitCount = 8, .Palette = {0xFF0000, 0x00FF00}, .Values = {0, 1, 1, 0}};
}

struct RefusalCase {
    const char* Name;
    std::function<std::vector<std::uint8_t>()> Make;
    Refusal Expected;
    const char* MessagePart;
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.Name;
}

std::vector<std::uint8_t> Patched32(BmpTestFile file, std::size_t offset, std::uint32_t value)
{
    std::vector<std::uint8_t> bytes = file.Bytes();
    Poke32(bytes, offset, value);
    return bytes;
}

std::vector<std::uint8_t> Patched16(BmpTestFile file, std::size_t offset, std::uint16_t value)
{
    std::vector<std::uint8_t> bytes = file.Bytes();
    Poke16(bytes, offset, value);
    return bytes;
}

// What became of a decode; exceptions other than the decoder's two escape.
struct Outcome {
    std::optional<Refusal> Kind;
    std::string Message;
};

Outcome Decode(const std::vector<std::uint8_t>& bytes)
{
    try {
        (void)DecodeBmp(bytes);
        return {};
    } catch (const EReadError& e) {
        return {Refusal::Damaged, e.Message};
    } catch (const EInvalidGraphic& e) {
        return {Refusal::Unsupported, e.Message};
    }
}

std::string CaseName(const testing::TestParamInfo<RefusalCase>& info)
{
    return info.param.Name;
}

class BmpRefuse : public testing::TestWithParam<RefusalCase> {};

TEST_P(BmpRefuse, ThrowsTheRightErrorWithAClearMessage)
{
    const RefusalCase& c = GetParam();
    const Outcome outcome = Decode(c.Make());
    ASSERT_TRUE(outcome.Kind.has_value()) << "decoded";
    EXPECT_EQ(*outcome.Kind, c.Expected) << outcome.Message;
    EXPECT_NE(outcome.Message.find(c.MessagePart), std::string::npos) << outcome.Message;
}

constexpr std::uint32_t kIntMin = 0x80000000u;
constexpr std::uint32_t kTooWide = 16385;  // one past PixelBuffer::kMaxSide

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpRefuse,
    testing::Values(
        RefusalCase{"Empty", [] { return std::vector<std::uint8_t>{}; }, Refusal::Unsupported, "no BM signature"},
        RefusalCase{"BadMagic", [] { return Patched16(SmallFile(), 0, 0x5842); }, Refusal::Unsupported,
                    "no BM signature"},
        RefusalCase{"OnlyTheMagic", [] { return std::vector<std::uint8_t>{'B', 'M', 0, 0}; }, Refusal::Damaged,
                    "file header"},
        RefusalCase{"HeaderSize64", [] { return Patched32(SmallFile(), kBmpHeaderSizeAt, 64); },
                    Refusal::Unsupported, "header size 64"},
        RefusalCase{"HeaderSizeHuge", [] { return Patched32(SmallFile(), kBmpHeaderSizeAt, 0xFFFFFFFF); },
                    Refusal::Unsupported, "header size"},
        RefusalCase{"HeaderPastTheEnd", [] { return Patched32(SmallFile(), kBmpHeaderSizeAt, 124); },
                    Refusal::Damaged, "info header"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Sizes, BmpRefuse,
    testing::Values(
        RefusalCase{"ZeroWidth", [] { return Patched32(SmallFile(), kBmpWidthAt, 0); }, Refusal::Damaged, "width 0"},
        RefusalCase{"NegativeWidth", [] { return Patched32(SmallFile(), kBmpWidthAt, 0xFFFFFFFE); },
                    Refusal::Damaged, "width -2"},
        RefusalCase{"ZeroHeight", [] { return Patched32(SmallFile(), kBmpHeightAt, 0); }, Refusal::Damaged,
                    "height is zero"},
        RefusalCase{"IntMinHeight", [] { return Patched32(SmallFile(), kBmpHeightAt, kIntMin); }, Refusal::Damaged,
                    "out of range"},
        RefusalCase{"CoreZeroWidth", [] { auto f = SmallFile(); f.HeaderSize = 12; return Patched16(f, 18, 0); },
                    Refusal::Damaged, "width 0"},
        RefusalCase{"WiderThanTheLimit", [] { return Patched32(SmallFile(), kBmpWidthAt, kTooWide); },
                    Refusal::Unsupported, "exceeds the limit"},
        RefusalCase{"IntMaxWidth", [] { return Patched32(SmallFile(), kBmpWidthAt, 0x7FFFFFFF); },
                    Refusal::Unsupported, "exceeds the limit"},
        RefusalCase{"TallerThanTheLimitTopDown", [] { return Patched32(SmallFile(), kBmpHeightAt, -kTooWide); },
                    Refusal::Unsupported, "exceeds the limit"},
        RefusalCase{"AreaBeyondTheLimit",
                    [] {
                        auto bytes = Patched32(SmallFile(), kBmpWidthAt, 16384);
                        Poke32(bytes, kBmpHeightAt, 16384);
                        return bytes;
                    },
                    Refusal::Unsupported, "exceeds the limit"},
        RefusalCase{"PixelsMissing", [] { return Patched32(SmallFile(), kBmpHeightAt, 4096); }, Refusal::Damaged,
                    "pixel data needs"},
        RefusalCase{"LargestAllowedButNoPixels",
                    [] {
                        auto file = SmallFile();
                        file.BitCount = 32;
                        file.Palette.clear();
                        auto bytes = Patched32(file, kBmpWidthAt, 16384);
                        Poke32(bytes, kBmpHeightAt, 4096);
                        return bytes;
                    },
                    Refusal::Damaged, "pixel data needs"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Offsets, BmpRefuse,
    testing::Values(
        RefusalCase{"PixelOffsetPastTheEnd", [] { return Patched32(SmallFile(), kBmpPixelOffsetAt, 0xFFFFFFF0); },
                    Refusal::Damaged, "beyond the end"},
        RefusalCase{"PixelOffsetInsideTheHeader", [] { return Patched32(SmallFile(), kBmpPixelOffsetAt, 20); },
                    Refusal::Damaged, "inside the headers"},
        RefusalCase{"MasksPastTheEnd",
                    [] {
                        auto bytes = Patched32(SmallFile(), kBmpBitCountAt, 32);
                        Poke32(bytes, kBmpCompressionAt, 3);
                        bytes.resize(60);
                        return bytes;
                    },
                    Refusal::Damaged, "colour masks"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Formats, BmpRefuse,
    testing::Values(
        RefusalCase{"PaletteLongerThanEightBitsAllow", [] { return Patched32(SmallFile(), kBmpColorsUsedAt, 257); },
                    Refusal::Damaged, "257 colours"},
        RefusalCase{"PaletteLongerThanFourBitsAllow",
                    [] {
                        auto bytes = Patched16(SmallFile(), kBmpBitCountAt, 4);
                        Poke32(bytes, kBmpColorsUsedAt, 17);
                        return bytes;
                    },
                    Refusal::Damaged, "17 colours"},
        RefusalCase{"PaletteCountHuge", [] { return Patched32(SmallFile(), kBmpColorsUsedAt, 0xFFFFFFFF); },
                    Refusal::Damaged, "too long"},
        RefusalCase{"TwoBits", [] { return Patched16(SmallFile(), kBmpBitCountAt, 2); }, Refusal::Unsupported,
                    "2 bits per pixel"},
        RefusalCase{"SixtyFourBits", [] { return Patched16(SmallFile(), kBmpBitCountAt, 64); }, Refusal::Unsupported,
                    "64 bits per pixel"},
        RefusalCase{"CoreWith32Bits",
                    [] {
                        auto f = SmallFile();
                        f.HeaderSize = 12;
                        return Patched16(f, 24, 32);
                    },
                    Refusal::Unsupported, "32 bits per pixel"},
        RefusalCase{"Rle8", [] { return Patched32(SmallFile(), kBmpCompressionAt, 1); }, Refusal::Unsupported,
                    "run-length"},
        RefusalCase{"Jpeg", [] { return Patched32(SmallFile(), kBmpCompressionAt, 4); }, Refusal::Unsupported,
                    "JPEG"},
        RefusalCase{"UnknownCompression", [] { return Patched32(SmallFile(), kBmpCompressionAt, 99); },
                    Refusal::Unsupported, "compression type 99"},
        RefusalCase{"BitFieldsOn24Bits",
                    [] {
                        return BmpTestFile{.BitCount = 24, .Compression = 3, .Masks = {0xFF, 0xFF00, 0xFF0000},
                                           .Values = {0}}
                            .Bytes();
                    },
                    Refusal::Damaged, "bit-field pixels of 24 bits"},
        RefusalCase{"MaskWithAHole",
                    [] {
                        return BmpTestFile{.BitCount = 16, .Compression = 3, .Masks = {0xF00F, 0x07E0, 0x001F},
                                           .Values = {0}}
                            .Bytes();
                    },
                    Refusal::Damaged, "0x0000F00F"},
        RefusalCase{"MaskWiderThanThePixel",
                    [] {
                        return BmpTestFile{.BitCount = 16, .Compression = 3, .Masks = {0x1F0000, 0x07E0, 0x001F},
                                           .Values = {0}}
                            .Bytes();
                    },
                    Refusal::Damaged, "wider than 16-bit"}),
    CaseName);

// Every cut of a valid file is refused cleanly, never read past its end.
// The widths leave no row padding, so the full length is the shortest valid one.
TEST(BmpRefuseTruncation, EveryPrefixOfAValidFileIsRefused)
{
    const std::vector<BmpTestFile> files = {
        {.HeaderSize = 12, .Width = 8, .Height = 2, .BitCount = 4, .Palette = {1, 2},
         .Values = std::vector<std::uint32_t>(16, 1)},
        {.Width = 32, .Height = 2, .BitCount = 1, .Palette = {1, 2}, .Values = std::vector<std::uint32_t>(64, 1)},
        {.HeaderSize = 52, .Width = 2, .Height = -2, .BitCount = 16, .Compression = 3,
         .Masks = {0xF800, 0x07E0, 0x001F}, .Values = {1, 2, 3, 4}},
        {.Width = 4, .Height = 2, .BitCount = 24, .Values = std::vector<std::uint32_t>(8, 7)},
        {.Width = 1, .Height = 2, .BitCount = 32, .Compression = 6, .Masks = {0xFF, 0xFF00, 0xFF0000, 0xFF000000},
         .Values = {1, 2}},
    };
    for (const BmpTestFile& file : files) {
        const std::vector<std::uint8_t> bytes = file.Bytes();
        ASSERT_NO_THROW((void)DecodeBmp(bytes));
        for (std::size_t size = 0; size < bytes.size(); ++size) {
            const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(size));
            EXPECT_TRUE(Decode(cut).Kind.has_value()) << "bits " << file.BitCount << ", size " << size;
        }
    }
}

}  // namespace
