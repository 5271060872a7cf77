#include "tools/themefile/ThemeFileFolder.h"

#include "platform/core/Exception.h"
#include "platform/core/FileStream.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/graphics/Bitmap.h"
#include "skin/core/ThemeElements.h"
#include "skin/core/ThemeFileReader.h"
#include "skin/core/ThemeFileRecord.h"
#include "tools/themefile/ThemeFileWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <optional>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr const char* kValuesFile = "values.txt";
constexpr const char* kBitmapExt = ".bmp";

// Indexed by element id; slot 0 stays unused.
template <class T>
using PerElement = std::array<T, kThemeElementCount + 1>;

std::optional<int> ElementIdOf(std::string_view key)
{
    for (int id = 1; id <= kThemeElementCount; ++id) {
        if (SameText(ThemeElementKey(id), key)) return id;
    }
    return std::nullopt;
}

// Names from files may hold anything: keep messages on one readable line.
std::string Printable(std::string_view text)
{
    std::string out(text);
    for (char& ch : out) {
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = '?';
    }
    return out;
}

bool IsDecimalDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsHexDigit(char ch)
{
    return IsDecimalDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool AllOf(std::string_view s, bool (*test)(char))
{
    return !s.empty() && std::all_of(s.begin(), s.end(), test);
}

std::optional<int> ParseDecimal(std::string_view s)
{
    const std::string_view digits = !s.empty() && (s[0] == '-' || s[0] == '+') ? s.substr(1) : s;
    if (!AllOf(digits, IsDecimalDigit)) return std::nullopt;
    return TryStrToInt(s);
}

std::optional<int> ParseColour(std::string_view s)
{
    constexpr std::size_t kMaxHexDigits = 8;
    if (s.size() < 3 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) return std::nullopt;
    const std::string_view digits = s.substr(2);
    if (digits.size() > kMaxHexDigits || !AllOf(digits, IsHexDigit)) return std::nullopt;
    return TryStrToInt(s);
}

std::optional<int> ParseBool(std::string_view s)
{
    if (SameText(s, "True") || s == "1") return 1;
    if (SameText(s, "False") || s == "0") return 0;
    return std::nullopt;
}

std::string FormatColour(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, (std::uint32_t(value) >> 24) ? "0x%08X" : "0x%06X", std::uint32_t(value));
    return text;
}

std::string FormatBool(int value)
{
    return value ? "True" : "False";
}

std::string FormatDecimal(int value)
{
    return IntToStr(value);
}

void AddNumber(TsuiThemeFileWriter& writer, const std::string& key, int value)
{
    writer.AddInteger(key, value);
}

void AddBool(TsuiThemeFileWriter& writer, const std::string& key, int value)
{
    writer.AddBool(key, value != 0);
}

// Everything that differs between the kinds of element, one row per kind in
// the order of TThemeElementKind. Bitmaps are files, not values: their row
// has no parser, formatter or writer.
struct KindRow {
    TThemeElementKind Kind;
    const char* Name;          // in listings and messages
    const char* ExpectedForm;  // what values.txt must give
    TThemeEntryType Stored;    // the entry type that holds it in a theme file
    std::optional<int> (*Parse)(std::string_view text);
    std::string (*Format)(int value);
    void (*Add)(TsuiThemeFileWriter& writer, const std::string& key, int value);
};

constexpr KindRow kKinds[] = {
    {TThemeElementKind::Integer, "integer", "a decimal integer", TThemeEntryType::Integer, ParseDecimal,
     FormatDecimal, AddNumber},
    {TThemeElementKind::Color, "colour", "a colour 0xBBGGRR", TThemeEntryType::Integer, ParseColour, FormatColour,
     AddNumber},
    {TThemeElementKind::Bitmap, "bitmap", "a picture", TThemeEntryType::File, nullptr, nullptr, nullptr},
    {TThemeElementKind::Bool, "boolean", "True, False, 1 or 0", TThemeEntryType::Bool, ParseBool, FormatBool, AddBool},
};

constexpr bool RowsInKindOrder()
{
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        if (std::size_t(kKinds[i].Kind) != i) return false;
    }
    return std::size(kKinds) == std::size_t(TThemeElementKind::Bool) + 1;
}
static_assert(RowsInKindOrder(), "one row per element kind, in the order of TThemeElementKind");

const KindRow& RowOf(TThemeElementKind kind)
{
    return kKinds[std::size_t(kind)];
}

// --- packing -----------------------------------------------------------------------

PerElement<std::optional<int>> ReadValues(const fs::path& file)
{
    PerElement<std::optional<int>> values;
    TStringList lines;
    lines.LoadFromFile(file.string());
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line[0] == '#') continue;
        const std::string where = file.filename().string() + " line " + IntToStr(i + 1) + ": ";
        const auto separator = line.find('=');
        if (separator == std::string::npos) throw EReadError(where + "expected Key=value");
        const std::string key = Trim(line.substr(0, separator));
        const std::string text = Trim(line.substr(separator + 1));
        const std::optional<int> id = ElementIdOf(key);
        if (!id) throw EReadError(where + "no theme element is named \"" + key + "\"");
        const KindRow& row = RowOf(ThemeElementKindOf(*id));
        if (!row.Parse) throw EReadError(where + key + " is a bitmap: give it as " + key + kBitmapExt);
        if (values[*id]) throw EReadError(where + key + " is given twice");
        values[*id] = row.Parse(text);
        if (!values[*id]) {
            throw EReadError(where + "\"" + text + "\" is no value for " + key + " (expected " + row.ExpectedForm + ")");
        }
    }
    return values;
}

void CheckPicture(const fs::path& file)
{
    TBitmap bitmap;
    try {
        bitmap.LoadFromFile(file.string());
    } catch (const Exception& e) {
        throw EReadError(file.filename().string() + ": " + e.Message);
    }
    if (bitmap.Empty()) throw EReadError(file.filename().string() + ": the picture is empty");
}

PerElement<std::string> FindPictures(const fs::path& folder)
{
    PerElement<std::string> pictures;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) throw EFOpenError("Cannot read theme folder \"" + folder.string() + "\". " + error.message());
    for (const fs::directory_entry& entry : entries) {
        const fs::path& path = entry.path();
        if (!FileExists(path.string()) || !SameText(path.extension().string(), kBitmapExt)) continue;
        const std::string name = path.filename().string();
        const std::string key = path.stem().string();
        const std::optional<int> id = ElementIdOf(key);
        if (!id) throw EReadError(name + ": no theme element is named \"" + key + "\"");
        const TThemeElementKind kind = ThemeElementKindOf(*id);
        if (kind != TThemeElementKind::Bitmap) {
            throw EReadError(name + ": " + key + " is " + RowOf(kind).Name + ", give it in " + kValuesFile);
        }
        if (!pictures[*id].empty()) throw EReadError(name + ": " + key + " is given twice");
        CheckPicture(path);
        pictures[*id] = path.string();
    }
    return pictures;
}

// --- unpacking and listing -----------------------------------------------------------

// Whether the file entry `name` of type `type` stands for a theme element.
bool IsElementEntry(const std::string& name, TThemeEntryType type)
{
    const std::optional<int> id = ElementIdOf(name);
    return id && RowOf(ThemeElementKindOf(*id)).Stored == type;
}

// The file's entries that stand for no element, as "name<TAB>type".
std::vector<std::string> OtherEntries(const TsuiThemeFileReader& reader)
{
    std::vector<std::string> others;
    const auto scan = [&](const TStrings& list, bool named, TThemeEntryType type, const char* typeName) {
        for (int i = 0; i < list.Count(); ++i) {
            const std::string name = named ? list.Names(i) : list[i];
            if (!IsElementEntry(name, type)) others.push_back(Printable(name) + "\t" + typeName);
        }
    };
    scan(reader.Files(), false, TThemeEntryType::File, "file");
    scan(reader.Integers(), true, TThemeEntryType::Integer, "integer");
    scan(reader.Bools(), true, TThemeEntryType::Bool, "boolean");
    for (int i = 0; i < reader.Texts().Count(); ++i) others.push_back(Printable(reader.Texts().Names(i)) + "\ttext");
    return others;
}

// The element's stored number (integers, colours and Booleans); none when missing.
std::optional<int> StoredValue(const TsuiThemeFileReader& reader, int id)
{
    const std::string key(ThemeElementKey(id));
    const bool isBool = RowOf(ThemeElementKindOf(id)).Stored == TThemeEntryType::Bool;
    const TStrings& list = isBool ? reader.Bools() : reader.Integers();
    const int index = list.IndexOfName(key);
    if (index < 0) return std::nullopt;
    // A stored name holding "=" leaves no number after the first "=".
    const std::optional<int> value = TryStrToInt(list.ValueFromIndex(index));
    if (!value || !isBool) return value;
    return int(*value != 0);
}

std::string DescribePicture(TsuiThemeFileReader& reader, int id)
{
    TStream* data = reader.GetFile(std::string(ThemeElementKey(id)));
    if (!data) return "missing";
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(*data);
    } catch (const Exception& e) {
        return "damaged: " + e.Message;
    }
    return IntToStr(bitmap.Width()) + " x " + IntToStr(bitmap.Height());
}

void WriteBytes(const fs::path& file, const std::string& bytes)
{
    TFileStream out(file.string(), fmCreate);
    out.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

}  // namespace

TThemeFolderResult PackThemeFolder(const std::string& folder, const std::string& outFile)
{
    std::error_code error;
    if (!fs::is_directory(folder, error)) throw EFOpenError("Theme folder \"" + folder + "\" does not exist");
    TThemeFolderResult result;
    const fs::path valuesFile = fs::path(folder) / kValuesFile;
    PerElement<std::optional<int>> values;
    if (FileExists(valuesFile.string())) values = ReadValues(valuesFile);
    const PerElement<std::string> pictures = FindPictures(folder);

    TsuiThemeFileWriter writer(outFile);
    for (int id = 1; id <= kThemeElementCount; ++id) {
        const std::string key(ThemeElementKey(id));
        const KindRow& row = RowOf(ThemeElementKindOf(id));
        if (!row.Add) {
            if (!pictures[id].empty()) writer.AddFile(key, pictures[id]);
            else result.Warnings.push_back(key + kBitmapExt + " is missing");
        } else if (values[id]) {
            row.Add(writer, key, *values[id]);
        } else {
            result.Warnings.push_back(key + " is missing from " + kValuesFile);
        }
    }
    writer.Save();
    return result;
}

TThemeFolderResult UnpackThemeFile(const std::string& file, const std::string& folder)
{
    TsuiThemeFileReader reader(file);
    TThemeFolderResult result;
    std::vector<std::pair<fs::path, std::string>> outputs;
    TStringList values;
    for (int id = 1; id <= kThemeElementCount; ++id) {
        const std::string key(ThemeElementKey(id));
        const KindRow& row = RowOf(ThemeElementKindOf(id));
        if (!row.Format) {
            if (TStream* data = reader.GetFile(key)) outputs.emplace_back(fs::path(folder) / (key + kBitmapExt), data->ReadToEnd());
        } else if (const std::optional<int> value = StoredValue(reader, id)) {
            values.Add(key + "=" + row.Format(*value));
        }
    }
    outputs.emplace_back(fs::path(folder) / kValuesFile, values.Text());
    for (const std::string& other : OtherEntries(reader)) result.Warnings.push_back("skipped entry " + other);

    std::error_code error;
    for (const auto& [path, bytes] : outputs) {
        if (fs::exists(path, error)) throw EWriteError("\"" + path.string() + "\" already exists");
    }
    fs::create_directories(folder, error);
    if (error) throw EWriteError("Cannot create folder \"" + folder + "\". " + error.message());
    for (const auto& [path, bytes] : outputs) WriteBytes(path, bytes);
    return result;
}

std::vector<std::string> ListThemeFile(const std::string& file)
{
    TsuiThemeFileReader reader(file);
    std::vector<std::string> lines;
    for (int id = 1; id <= kThemeElementCount; ++id) {
        const KindRow& row = RowOf(ThemeElementKindOf(id));
        std::string value;
        if (!row.Format) {
            value = DescribePicture(reader, id);
        } else {
            const std::optional<int> stored = StoredValue(reader, id);
            value = stored ? row.Format(*stored) : "missing";
        }
        lines.push_back(std::string(ThemeElementKey(id)) + "\t" + row.Name + "\t" + value);
    }
    for (const std::string& other : OtherEntries(reader)) lines.push_back(other + "\tnot a theme element");
    return lines;
}
