#pragma once
// The layout of theme files (".sui"). All numbers are little-endian; all
// offsets are absolute positions in the file.
//
//   header, 24 bytes        magic "Pelworn_TB" + two zeros (12), header size
//                           24 (4), the value 1 (4), first record offset (4)
//   entry record, 77 bytes  name (64, zero-padded; a 64-byte name has no
//                           terminator), type (1), data offset (4), data
//                           length (4), next record offset (4)
//
// The writer puts each record's data right after the record and the next
// record right after the data. A record with an all-zero name, type Bool,
// and zero offsets and length ends the file; its next offset 0 stops readers.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class TThemeEntryType : std::uint8_t { File = 0, Integer = 1, Bool = 2, Text = 3 };

namespace ThemeFileLayout {
inline constexpr std::string_view kMagic{"Pelworn_TB\0\0", 12};
inline constexpr std::uint32_t kHeaderSize = 24;         // bytes
inline constexpr std::uint32_t kVersion = 1;
inline constexpr std::uint32_t kRecordSize = 77;         // bytes
inline constexpr std::size_t kNameSize = 64;             // bytes
inline constexpr std::uint32_t kHeaderSizeOffset = 12;   // bytes into the header
inline constexpr std::uint32_t kVersionOffset = 16;      // bytes into the header
inline constexpr std::uint32_t kFirstRecordOffset = 20;  // bytes into the header
// The writer keeps every offset below 2 GiB, so that readers taking the
// fields as signed or unsigned agree.
inline constexpr std::int64_t kMaxOffset = 0x7FFFFFFF;  // bytes

// The little-endian 32-bit number at `at`.
[[nodiscard]] inline std::uint32_t LE32(const std::uint8_t* at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}
}  // namespace ThemeFileLayout

using TThemeFileHeaderBytes = std::array<std::uint8_t, ThemeFileLayout::kHeaderSize>;
using TThemeFileRecordBytes = std::array<std::uint8_t, ThemeFileLayout::kRecordSize>;

// The header the writer puts at offset 0: the first record follows it.
[[nodiscard]] TThemeFileHeaderBytes EncodeThemeFileHeader();

struct TThemeFileRecord {
    std::string Name;         // at most kNameSize bytes, no zero bytes
    std::uint8_t Type = 0;    // a TThemeEntryType, or an unknown value read from a file
    std::uint32_t DataOffset = 0;
    std::uint32_t Length = 0;
    std::uint32_t Next = 0;   // 0 in the terminating record

    // The record that ends a file.
    [[nodiscard]] static TThemeFileRecord Terminator();
    // The name is cut to kNameSize bytes.
    [[nodiscard]] TThemeFileRecordBytes Encode() const;
    // The name ends at its first zero byte or after kNameSize bytes.
    [[nodiscard]] static TThemeFileRecord Decode(std::span<const std::uint8_t, ThemeFileLayout::kRecordSize> bytes);

    [[nodiscard]] bool Is(TThemeEntryType type) const { return Type == static_cast<std::uint8_t>(type); }
};
