#include "skin/core/ThemeFileRecord.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace ThemeFileLayout;

constexpr std::size_t kTypeAt = kNameSize;        // bytes into a record
constexpr std::size_t kDataOffsetAt = kTypeAt + 1;
constexpr std::size_t kLengthAt = kDataOffsetAt + 4;
constexpr std::size_t kNextAt = kLengthAt + 4;
static_assert(kNextAt + 4 == kRecordSize, "the record fields fill the record");

void PutLE32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

TThemeFileHeaderBytes EncodeThemeFileHeader()
{
    TThemeFileHeaderBytes bytes{};
    std::memcpy(bytes.data(), kMagic.data(), kMagic.size());
    PutLE32(bytes.data() + kHeaderSizeOffset, kHeaderSize);
    PutLE32(bytes.data() + kVersionOffset, kVersion);
    PutLE32(bytes.data() + kFirstRecordOffset, kHeaderSize);
    return bytes;
}

TThemeFileRecord TThemeFileRecord::Terminator()
{
    TThemeFileRecord record;
    record.Type = static_cast<std::uint8_t>(TThemeEntryType::Bool);
    return record;
}

TThemeFileRecordBytes TThemeFileRecord::Encode() const
{
    TThemeFileRecordBytes bytes{};
    std::memcpy(bytes.data(), Name.data(), std::min(Name.size(), kNameSize));
    bytes[kTypeAt] = Type;
    PutLE32(bytes.data() + kDataOffsetAt, DataOffset);
    PutLE32(bytes.data() + kLengthAt, Length);
    PutLE32(bytes.data() + kNextAt, Next);
    return bytes;
}

TThemeFileRecord TThemeFileRecord::Decode(std::span<const std::uint8_t, kRecordSize> bytes)
{
    TThemeFileRecord record;
    const auto nameEnd = std::find(bytes.begin(), bytes.begin() + kNameSize, std::uint8_t(0));
    record.Name.assign(bytes.begin(), nameEnd);
    record.Type = bytes[kTypeAt];
    record.DataOffset = LE32(bytes.data() + kDataOffsetAt);
    record.Length = LE32(bytes.data() + kLengthAt);
    record.Next = LE32(bytes.data() + kNextAt);
    return record;
}
