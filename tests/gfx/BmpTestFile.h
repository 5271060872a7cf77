#pragma once
// Builds small BMP files byte by byte for the decoder tests, independently
// of our encoder, so that a fault shared by both cannot hide.

#include <cstddef>
#include <cstdint>
#include <vector>

struct BmpTestFile {
    int HeaderSize = 40;  // 12 for the core header
    int Width = 1;
    int Height = 1;  // negative: rows stored top-down
    int BitCount = 24;
    std::uint32_t Compression = 0;
    // Written right after the first 40 header bytes: inside the larger
    // headers, after a 40-byte one.
    std::vector<std::uint32_t> Masks = {};
    std::vector<std::uint32_t> Palette = {};  // 0x00RRGGBB entries
    std::uint32_t ColorsUsed = 0;
    std::size_t GapBeforePixels = 0;  // bytes of junk between palette and pixels
    // One value per pixel, top row first: a palette index, or the raw
    // 16-, 24- (0xRRGGBB) or 32-bit pixel value.
    std::vector<std::uint32_t> Values = {};

    [[nodiscard]] std::vector<std::uint8_t> Bytes() const;
};

// Little-endian patching of a built file.
void Poke16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value);
void Poke32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value);

// Offsets of fields the tests patch.
constexpr std::size_t kBmpPixelOffsetAt = 10;
constexpr std::size_t kBmpHeaderSizeAt = 14;
constexpr std::size_t kBmpWidthAt = 18;
constexpr std::size_t kBmpHeightAt = 22;
constexpr std::size_t kBmpBitCountAt = 28;
constexpr std::size_t kBmpCompressionAt = 30;
constexpr std::size_t kBmpColorsUsedAt = 46;
