#include "skin/core/ThemeFileReader.h"

#include "platform/core/FileStream.h"
#include "platform/core/MemoryStream.h"
#include "platform/core/SysUtils.h"
#include "skin/core/ThemeFileRecord.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>

namespace {

using namespace ThemeFileLayout;

// Reads bytes.size() bytes at offset; false when they are not all in the stream.
bool ReadAt(TStream& stream, std::int64_t offset, std::int64_t size, std::span<std::uint8_t> bytes)
{
    const auto count = std::int64_t(bytes.size());
    if (offset < 0 || offset > size - count) return false;
    stream.Seek(offset, soBeginning);
    return stream.Read(bytes.data(), count) == count;
}

std::optional<TThemeFileRecord> ReadRecord(TStream& stream, std::int64_t offset, std::int64_t size)
{
    TThemeFileRecordBytes bytes;
    if (!ReadAt(stream, offset, size, bytes)) return std::nullopt;
    return TThemeFileRecord::Decode(bytes);
}

// The offset of the first record; none when the header is damaged.
std::optional<std::int64_t> ReadHeader(TStream& stream, std::int64_t size)
{
    TThemeFileHeaderBytes header;
    if (!ReadAt(stream, 0, size, header)) return std::nullopt;
    if (LE32(header.data() + kHeaderSizeOffset) != kHeaderSize) return std::nullopt;
    return LE32(header.data() + kFirstRecordOffset);
}

}  // namespace

// The bytes of file and text data that loading may still copy into memory.
struct TsuiThemeFileReader::Budget {
    std::int64_t Size = 0;  // of the stream
    std::int64_t Left = 0;
};

TsuiThemeFileReader::TsuiThemeFileReader()
{
    m_files.SetOwnsObjects(true);
}

TsuiThemeFileReader::TsuiThemeFileReader(const std::string& fileName) : TsuiThemeFileReader()
{
    Load(fileName);
}

void TsuiThemeFileReader::Load(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyNone);
    Load(stream);
}

void TsuiThemeFileReader::Load(TStream& stream)
{
    const std::int64_t size = stream.Size();
    Budget budget{size, std::min(size, kMaxLoadSize)};
    const std::optional<std::int64_t> first = ReadHeader(stream, size);
    if (!first) return;
    std::int64_t at = *first;
    std::optional<TThemeFileRecord> record = ReadRecord(stream, at, size);
    while (record && record->Next != 0) {
        if (!AddEntry(stream, *record, budget)) return;
        if (record->Next < at + kRecordSize) return;
        at = record->Next;
        record = ReadRecord(stream, at, size);
    }
}

bool TsuiThemeFileReader::AddEntry(TStream& stream, const TThemeFileRecord& record, Budget& budget)
{
    const std::int64_t offset = record.DataOffset;
    const std::int64_t length = record.Length;
    if (offset + length > budget.Size) return false;
    const std::string line = record.Name + "=";
    switch (TThemeEntryType(record.Type)) {
    case TThemeEntryType::File: {
        if (length > budget.Left) return false;
        budget.Left -= length;
        auto data = std::make_unique<TMemoryStream>();
        data->SetSize(length);
        if (!ReadAt(stream, offset, budget.Size, {data->Memory(), std::size_t(length)})) return false;
        data->SetPosition(0);
        m_files.AddObject(record.Name, data.get());
        data.release();
        return true;
    }
    case TThemeEntryType::Integer: {
        std::array<std::uint8_t, 4> bytes;
        if (length != 4 || !ReadAt(stream, offset, budget.Size, bytes)) return false;
        m_integers.Add(line + IntToStr(std::int32_t(LE32(bytes.data()))));
        return true;
    }
    case TThemeEntryType::Bool: {
        std::array<std::uint8_t, 1> byte;
        if (length != 1 || !ReadAt(stream, offset, budget.Size, byte)) return false;
        m_bools.Add(line + IntToStr(byte[0]));
        return true;
    }
    case TThemeEntryType::Text: {
        if (length > budget.Left) return false;
        budget.Left -= length;
        std::string text(std::size_t(length), '\0');
        if (!ReadAt(stream, offset, budget.Size, {reinterpret_cast<std::uint8_t*>(text.data()), text.size()})) {
            return false;
        }
        m_texts.Add(line + text);
        return true;
    }
    }
    return true;  // an unknown type: skipped
}

TStream* TsuiThemeFileReader::GetFile(const std::string& name)
{
    const int index = m_files.IndexOf(name);
    if (index < 0) return nullptr;
    auto* stream = static_cast<TMemoryStream*>(m_files.Objects(index));
    stream->SetPosition(0);
    return stream;
}

int TsuiThemeFileReader::GetInteger(const std::string& name) const
{
    return StrToIntDef(m_integers.Values(name), -1);
}

bool TsuiThemeFileReader::GetBool(const std::string& name) const
{
    const std::optional<int> value = TryStrToInt(m_bools.Values(name));
    return value && *value != 0;
}

std::string TsuiThemeFileReader::GetStr(const std::string& name) const
{
    return m_texts.Values(name);
}
