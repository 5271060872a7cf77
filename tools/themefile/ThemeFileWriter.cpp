#include "tools/themefile/ThemeFileWriter.h"

#include "platform/core/Exception.h"
#include "platform/core/FileStream.h"
#include "platform/core/SysUtils.h"
#include "skin/core/ThemeFileRecord.h"

namespace {

using namespace ThemeFileLayout;

// Writes the record of an entry whose data of `length` bytes follows it directly.
void WriteRecord(TStream& out, const std::string& name, TThemeEntryType type, std::int64_t length)
{
    const std::int64_t dataOffset = out.Position() + kRecordSize;
    if (length < 0 || dataOffset + length > kMaxOffset) {
        throw EWriteError("Theme file entry " + name + " does not fit in a theme file");
    }
    TThemeFileRecord record;
    record.Name = name;
    record.Type = static_cast<std::uint8_t>(type);
    record.DataOffset = std::uint32_t(dataOffset);
    record.Length = std::uint32_t(length);
    record.Next = std::uint32_t(dataOffset + length);
    const TThemeFileRecordBytes bytes = record.Encode();
    out.WriteBuffer(bytes.data(), bytes.size());
}

// The name of line index and the value of the first line of that name.
struct Entry {
    std::string Name;
    std::string Value;
};

Entry EntryAt(const TStringList& list, int index)
{
    std::string name = list.Names(index);
    std::string value = list.Values(name);
    return {std::move(name), std::move(value)};
}

}  // namespace

TsuiThemeFileWriter::TsuiThemeFileWriter(std::string fileName) : m_fileName(std::move(fileName)) {}

TsuiThemeFileWriter::~TsuiThemeFileWriter()
{
    try {
        Save();
    } catch (const Exception&) {
        // A destructor cannot raise; Save called before reports the same error.
    }
}

void TsuiThemeFileWriter::AddFile(const std::string& name, const std::string& fileName)
{
    m_files.Add(name + "=" + fileName);
}

void TsuiThemeFileWriter::AddInteger(const std::string& name, int value)
{
    m_integers.Add(name + "=" + IntToStr(value));
}

void TsuiThemeFileWriter::AddBool(const std::string& name, bool value)
{
    m_bools.Add(name + (value ? "=1" : "=0"));
}

void TsuiThemeFileWriter::AddStr(const std::string& name, const std::string& value)
{
    m_texts.Add(name + "=" + value);
}

void TsuiThemeFileWriter::Save()
{
    TFileStream out(m_fileName, fmCreate);
    const TThemeFileHeaderBytes header = EncodeThemeFileHeader();
    out.WriteBuffer(header.data(), header.size());
    WriteFiles(out);
    WriteTexts(out);
    WriteIntegers(out);
    WriteBools(out);
    const TThemeFileRecordBytes end = TThemeFileRecord::Terminator().Encode();
    out.WriteBuffer(end.data(), end.size());
}

void TsuiThemeFileWriter::WriteFiles(TStream& out) const
{
    for (int i = 0; i < m_files.Count(); ++i) {
        const Entry entry = EntryAt(m_files, i);
        TFileStream source(entry.Value, fmOpenRead | fmShareDenyWrite);
        const std::int64_t size = source.Size();
        WriteRecord(out, entry.Name, TThemeEntryType::File, size);
        if (size > 0) out.CopyFrom(source, size);
    }
}

void TsuiThemeFileWriter::WriteTexts(TStream& out) const
{
    for (int i = 0; i < m_texts.Count(); ++i) {
        const Entry entry = EntryAt(m_texts, i);
        WriteRecord(out, entry.Name, TThemeEntryType::Text, std::int64_t(entry.Value.size()));
        out.WriteBuffer(entry.Value.data(), std::int64_t(entry.Value.size()));
    }
}

void TsuiThemeFileWriter::WriteIntegers(TStream& out) const
{
    for (int i = 0; i < m_integers.Count(); ++i) {
        const Entry entry = EntryAt(m_integers, i);
        const int value = StrToInt(entry.Value);
        WriteRecord(out, entry.Name, TThemeEntryType::Integer, 4);
        out.WriteLE<std::int32_t>(value);
    }
}

void TsuiThemeFileWriter::WriteBools(TStream& out) const
{
    for (int i = 0; i < m_bools.Count(); ++i) {
        const Entry entry = EntryAt(m_bools, i);
        const auto value = static_cast<std::uint8_t>(StrToInt(entry.Value) & 0xFF);
        WriteRecord(out, entry.Name, TThemeEntryType::Bool, 1);
        out.WriteLE<std::uint8_t>(value);
    }
}
