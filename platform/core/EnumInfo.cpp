#include "platform/core/EnumInfo.h"

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"

namespace {

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

TEnumInfo::TEnumInfo(std::string_view typeName, std::string_view names) : m_typeName(typeName)
{
    while (!names.empty()) {
        const std::size_t comma = names.find(',');
        const std::string_view name = TrimBlanks(names.substr(0, comma));
        if (!name.empty()) m_names.emplace_back(name);
        if (comma == std::string_view::npos) break;
        names.remove_prefix(comma + 1);
    }
}

std::string_view TEnumInfo::NameOf(int ordinal) const
{
    if (ordinal < 0 || ordinal >= Count()) return {};
    return m_names[std::size_t(ordinal)];
}

std::optional<int> TEnumInfo::ValueOf(std::string_view name) const
{
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (SameText(m_names[i], name)) return int(i);
    }
    return std::nullopt;
}

std::string GetEnumName(const TEnumInfo& info, int ordinal)
{
    return std::string(info.NameOf(ordinal));
}

int GetEnumValue(const TEnumInfo& info, std::string_view name)
{
    return info.ValueOf(name).value_or(-1);
}

std::string SetToString(const TEnumInfo& info, std::uint64_t bits)
{
    std::string text = "[";
    for (int i = 0; i < info.Count() && i < kMaxSetElements; ++i) {
        if ((bits & (std::uint64_t(1) << i)) == 0) continue;
        if (text.size() > 1) text += ", ";
        text += info.NameOf(i);
    }
    return text + "]";
}

std::uint64_t StringToSet(const TEnumInfo& info, std::string_view text)
{
    text = TrimBlanks(text);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') text = text.substr(1, text.size() - 2);
    std::uint64_t bits = 0;
    while (!TrimBlanks(text).empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view name = TrimBlanks(text.substr(0, comma));
        const std::optional<int> ordinal = info.ValueOf(name);
        if (!ordinal || *ordinal >= kMaxSetElements) {
            throw EPropertyError("Invalid set element: " + std::string(name));
        }
        bits |= std::uint64_t(1) << *ordinal;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return bits;
}
