#pragma once
// The value of a published property, as property access by name hands it
// around. Each property kind has one canonical alternative:
//   Integer, Int64, Color -> std::int64_t      Boolean -> bool
//   Enumeration -> TEnumValue                  Set -> TSetValue
//   String -> std::string (UTF-8)              Float -> double
//   Class -> TObject*                          Method -> TMethodValue
// SetPropValue also accepts a few other alternatives and converts them (see
// PropertyAccess.h).

#include <any>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

class TObject;
class TEnumInfo;

struct TEnumValue {
    const TEnumInfo* Type = nullptr;
    int Ordinal = 0;

    // The value's name; empty when the ordinal has none.
    [[nodiscard]] std::string_view Name() const;
};

struct TSetValue {
    const TEnumInfo* Type = nullptr;
    std::uint64_t Bits = 0;

    // "[a, b]"
    [[nodiscard]] std::string ToString() const;
};

// An event handler: a std::any holding the event's std::function type (for
// example TNotifyEvent). An empty Handler clears the event.
struct TMethodValue {
    std::any Handler;
};

using TPropValue = std::variant<std::monostate, std::int64_t, bool, double, std::string, TObject*, TEnumValue,
                                TSetValue, TMethodValue>;
