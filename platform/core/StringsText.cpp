// TStrings: the text forms of a list (Text, CommaText) and its files.

#include "platform/core/FileStream.h"
#include "platform/core/Strings.h"
#include "platform/core/UpdateGuard.h"
#include "platform/core/Utf8.h"

#include <string_view>

namespace {

constexpr char kDelimiter = ',';
constexpr char kQuote = '"';
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

constexpr bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool NeedsQuotes(std::string_view s)
{
    for (const char c : s) {
        if (IsBlank(c) || c == kQuote || c == kDelimiter) return true;
    }
    return false;
}

std::string Quoted(std::string_view s)
{
    std::string out(1, kQuote);
    for (const char c : s) {
        if (c == kQuote) out += kQuote;
        out += c;
    }
    out += kQuote;
    return out;
}

// Reads a quoted item at pos (on the opening quote): doubled quotes stand for
// one, and an unclosed quote runs to the end. Leaves pos after the item.
std::string ExtractQuoted(std::string_view text, std::size_t& pos)
{
    std::string item;
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] != kQuote) {
            item += text[pos];
        } else if (pos + 1 < text.size() && text[pos + 1] == kQuote) {
            item += kQuote;
            ++pos;
        } else {
            ++pos;
            break;
        }
    }
    return item;
}

void SkipBlanks(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

}  // namespace

std::string TStrings::GetTextStr() const
{
    std::string text;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        text += Get(i);
        text += '\n';
    }
    return text;
}

void TStrings::SetTextStr(const std::string& text)
{
    UpdateGuard guard(*this);
    Clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            Add(text.substr(pos));
            break;
        }
        Add(text.substr(pos, end - pos));
        pos = end;
        if (text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
}

std::string TStrings::CommaText() const
{
    const int count = GetCount();
    // A single empty line must not read back as no line at all.
    if (count == 1 && Get(0).empty()) return std::string(2, kQuote);
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += kDelimiter;
        const std::string s = Get(i);
        text += NeedsQuotes(s) ? Quoted(s) : s;
    }
    return text;
}

// Every round of the loop consumes at least one byte: a quoted item its
// quote, an unquoted item its first byte, an empty item the delimiter after it.
void TStrings::SetCommaText(const std::string& text)
{
    UpdateGuard guard(*this);
    Clear();
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    while (pos < text.size()) {
        if (text[pos] == kQuote) {
            Add(ExtractQuoted(text, pos));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != kDelimiter) ++pos;
            Add(text.substr(start, pos - start));
        }
        SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == kDelimiter) {
            if (pos + 1 == text.size()) Add(std::string());
            ++pos;
            SkipBlanks(text, pos);
        }
    }
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStrings::LoadFromStream(TStream& stream)
{
    const std::string data = stream.ReadToEnd();
    std::string_view bytes = data;
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    SetTextStr(Utf8::Sanitize(bytes));
}

void TStrings::SaveToFile(const std::string& fileName) const
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TStrings::SaveToStream(TStream& stream) const
{
    const std::string text = GetTextStr();
    stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}
