#include "platform/core/ResourceStringTable.h"

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"
#include "platform/core/Utf8.h"

#include <unordered_set>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

class TStringTableReader {
public:
    explicit TStringTableReader(std::string_view tableName) : m_tableName(tableName) {}

    std::vector<TResourceString> Read(std::string_view text)
    {
        if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
        std::vector<TResourceString> strings;
        std::unordered_set<std::string> seen;
        while (!text.empty()) {
            ++m_line;
            const std::size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (!Utf8::IsValid(line)) Fail("invalid UTF-8");
            if (Trim(line).empty() || line.front() == '#') continue;
            TResourceString entry = ReadLine(line);
            if (!seen.insert(UpperCase(entry.Name)).second) Fail("duplicate name " + entry.Name);
            strings.push_back(std::move(entry));
        }
        return strings;
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const
    {
        throw EReadError("String table " + std::string(m_tableName) + ", line " + std::to_string(m_line) + ": " +
                         reason);
    }

    TResourceString ReadLine(std::string_view line) const
    {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) Fail("'=' expected");
        TResourceString entry;
        entry.Name = Trim(line.substr(0, equals));
        if (entry.Name.empty()) Fail("name expected before '='");
        for (const char c : entry.Name) {
            if (!IsNameChar(c)) Fail("invalid name " + entry.Name);
        }
        entry.Text = Unescape(line.substr(equals + 1));
        return entry;
    }

    std::string Unescape(std::string_view text) const
    {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\\') {
                out += text[i];
                continue;
            }
            const char next = i + 1 < text.size() ? text[++i] : '\0';
            switch (next) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '\\': out += '\\'; break;
            default: Fail("unknown escape after '\\'");
            }
        }
        return out;
    }

    std::string_view m_tableName;
    int m_line = 0;
};

}  // namespace

std::vector<TResourceString> ParseStringTable(std::string_view text, std::string_view tableName)
{
    return TStringTableReader(tableName).Read(text);
}
