#pragma once
// Published properties by name. Names compare without regard to ASCII case;
// a dotted name ("Font.Name") walks through sub-object properties. Getters
// and setters are the class's own, so their side effects happen.
//
// Errors raise EPropertyError: "Property <name> does not exist" for an
// unknown name, "Property <name> is read-only", and "Invalid property value
// for <name>: ..." when a value does not fit the property.
//
// SetPropValue converts these alternatives besides the canonical one
// (PropValue.h): an integer for Float; a string for Integer, Int64 and Color
// (numbers, colour names such as clBtnFace), Boolean (True/False),
// Enumeration (a value name) and Set ("[a, b]"); an integer ordinal for
// Enumeration and bits for Set; an empty value (std::monostate) clears Class
// and Method properties.

#include "platform/core/PropInfo.h"
#include "platform/core/PropValue.h"

#include <any>
#include <cstdint>
#include <string>
#include <string_view>

class TObject;
class TClassInfo;

// Null when the class has no property of that (undotted) name.
[[nodiscard]] const TPropInfo* GetPropInfo(const TClassInfo& info, std::string_view name);
[[nodiscard]] const TPropInfo* GetPropInfo(const TObject& object, std::string_view name);
[[nodiscard]] bool IsPublishedProp(const TClassInfo& info, std::string_view name);
[[nodiscard]] bool IsPublishedProp(const TObject& object, std::string_view name);

// The object a (dotted) property path ends in and that property.
struct TPropTarget {
    TObject* Object = nullptr;
    const TPropInfo* Info = nullptr;
};
[[nodiscard]] TPropTarget ResolvePropPath(TObject& root, std::string_view path);

[[nodiscard]] TPropValue GetPropValue(const TObject& object, std::string_view name);
void SetPropValue(TObject& object, std::string_view name, const TPropValue& value);
[[nodiscard]] TPropValue GetPropValue(const TObject& object, const TPropInfo& info);
void SetPropValue(TObject& object, const TPropInfo& info, const TPropValue& value);

// Ordinal kinds: Integer, Int64, Color, Boolean (0/1), Enumeration (the
// ordinal) and Set (the bits).
[[nodiscard]] std::int64_t GetOrdProp(const TObject& object, std::string_view name);
void SetOrdProp(TObject& object, std::string_view name, std::int64_t value);
[[nodiscard]] std::string GetStrProp(const TObject& object, std::string_view name);
void SetStrProp(TObject& object, std::string_view name, const std::string& value);
[[nodiscard]] TObject* GetObjectProp(const TObject& object, std::string_view name);
void SetObjectProp(TObject& object, std::string_view name, TObject* value);
// Enumeration and Boolean properties by value name.
[[nodiscard]] std::string GetEnumProp(const TObject& object, std::string_view name);
void SetEnumProp(TObject& object, std::string_view name, std::string_view value);
// Set properties in their text form "[a, b]".
[[nodiscard]] std::string GetSetProp(const TObject& object, std::string_view name);
void SetSetProp(TObject& object, std::string_view name, std::string_view value);
// Event properties; handler holds the event's std::function type or is empty.
[[nodiscard]] std::any GetMethodProp(const TObject& object, std::string_view name);
void SetMethodProp(TObject& object, std::string_view name, std::any handler);

// The published method of that name bound to instance, as a std::any holding
// the method's handler type; empty when the class publishes no such method.
[[nodiscard]] std::any BindMethod(TObject& instance, std::string_view name);
