#pragma once
// What a class publishes about one property: its name, kind, type details
// and type-erased accessors that go through the class's real getter and
// setter. Built by TClassBuilder; read through PropertyAccess.h.

#include "platform/core/PropValue.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <typeinfo>

class TClassInfo;

enum class TTypeKind { Integer, Int64, Boolean, Enumeration, Set, String, Float, Color, Class, Method };

// A class-typed property either refers to a component owned elsewhere or
// exposes an object its owner keeps (TFont, TStrings ...), whose own
// properties are reached with dotted names ("Font.Name").
enum class TObjectRole { Reference, SubObject };

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::Integer;
    const TEnumInfo* EnumType = nullptr;                // Enumeration and Set
    const TClassInfo& (*ClassType)() = nullptr;         // Class; a function, so classes may refer to each other
    TObjectRole Role = TObjectRole::Reference;          // Class
    const std::type_info* HandlerType = nullptr;        // Method: the std::function type stored
    std::optional<std::int64_t> Default;                // ordinal kinds: the value a writer may leave out
    std::function<TPropValue(const TObject&)> Get;      // returns the canonical alternative
    std::function<void(TObject&, const TPropValue&)> Set;  // takes the canonical alternative; empty when read-only
};

// "an integer", "a string" ... for messages.
[[nodiscard]] const char* DescribeTypeKind(TTypeKind kind);
