#pragma once
// The names of an enumeration's values in ordinal order, as the form reader
// and property access need them. QZ_ENUM declares an enumeration together
// with its names; the set helpers give the text form "[a, b]" of a bit set.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TEnumInfo {
public:
    // names: the enumerators as written in the declaration, separated by commas.
    TEnumInfo(std::string_view typeName, std::string_view names);
    TEnumInfo(const TEnumInfo&) = delete;
    TEnumInfo& operator=(const TEnumInfo&) = delete;

    [[nodiscard]] std::string_view TypeName() const { return m_typeName; }
    [[nodiscard]] int Count() const { return int(m_names.size()); }
    // The name of a value; empty when the ordinal is out of range.
    [[nodiscard]] std::string_view NameOf(int ordinal) const;
    // The ordinal of a name, compared without regard to ASCII case.
    [[nodiscard]] std::optional<int> ValueOf(std::string_view name) const;

private:
    std::string m_typeName;
    std::vector<std::string> m_names;
};

// The classic pair: the name of an ordinal ("" when out of range) and the
// ordinal of a name (-1 when unknown).
[[nodiscard]] std::string GetEnumName(const TEnumInfo& info, int ordinal);
[[nodiscard]] int GetEnumValue(const TEnumInfo& info, std::string_view name);

// Sets are bit sets: bit n stands for the value with ordinal n.
constexpr int kMaxSetElements = 64;
// "[a, b]" in ordinal order; bits without a name are left out.
[[nodiscard]] std::string SetToString(const TEnumInfo& info, std::uint64_t bits);
// Reads "[a, b]" (brackets optional, blanks ignored); raises EPropertyError
// "Invalid set element: x" for a name the enumeration does not have.
[[nodiscard]] std::uint64_t StringToSet(const TEnumInfo& info, std::string_view text);

namespace RttiDetail {
// QZ_ENUM keeps ordinals equal to positions, so explicit values are refused.
[[nodiscard]] constexpr bool IsPlainEnumeratorList(std::string_view names)
{
    return names.find('=') == std::string_view::npos;
}
}  // namespace RttiDetail

// Declares `enum Name : int { values... }` and `EnumInfoOf(Name)`, which
// property declarations find by argument-dependent lookup.
#define QZ_ENUM(Name, ...)                                                                         \
    enum Name : int { __VA_ARGS__ };                                                               \
    static_assert(RttiDetail::IsPlainEnumeratorList(#__VA_ARGS__), "QZ_ENUM takes plain names"); \
    [[nodiscard]] inline const TEnumInfo& EnumInfoOf(Name)                                         \
    {                                                                                              \
        static const TEnumInfo info(#Name, #__VA_ARGS__);                                          \
        return info;                                                                               \
    }
