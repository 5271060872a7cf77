#pragma once
// Layout of BMP files shared by the decoder and the encoder: header sizes,
// compression codes and little-endian field access. All multi-byte fields
// of the format are little-endian regardless of the machine.

#include <cstddef>
#include <cstdint>

namespace bmp {

constexpr std::uint16_t kSignature = 0x4D42;  // "BM" read as a little-endian word
constexpr std::size_t kFileHeaderSize = 14;    // bytes
constexpr std::size_t kCoreHeaderSize = 12;    // bytes, oldest info header
constexpr std::size_t kInfoHeaderSize = 40;    // bytes
constexpr std::size_t kV4HeaderSize = 108;     // bytes
constexpr std::size_t kV5HeaderSize = 124;     // bytes

// Offsets of the file header fields.
constexpr std::size_t kFileSizeField = 2;
constexpr std::size_t kPixelOffsetField = 10;

enum Compression : std::uint32_t {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6,
};

constexpr std::uint32_t LCS_sRGB = 0x73524742;  // colour space tag "sRGB"

// Bytes per row: rows are padded to a multiple of four bytes.
[[nodiscard]] constexpr std::int64_t RowStride(std::int64_t width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

[[nodiscard]] inline std::uint16_t ReadU16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}
[[nodiscard]] inline std::uint32_t ReadU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline void WriteU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline void WriteU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

}  // namespace bmp
