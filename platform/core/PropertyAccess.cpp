#include "platform/core/PropertyAccess.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/ColorIdent.h"
#include "platform/core/EnumInfo.h"
#include "platform/core/Exception.h"
#include "platform/core/Object.h"
#include "platform/core/SysUtils.h"

#include <charconv>
#include <limits>
#include <optional>

namespace {

[[noreturn]] void NoSuchProperty(std::string_view name)
{
    throw EPropertyError("Property " + std::string(name) + " does not exist");
}

[[noreturn]] void InvalidValue(const TPropInfo& info, std::string_view why)
{
    throw EPropertyError("Invalid property value for " + info.Name + ": " + std::string(why));
}

[[noreturn]] void WrongKind(const TPropInfo& info, std::string_view expected)
{
    throw EPropertyError("Property " + info.Name + " is not " + std::string(expected) + " property");
}

std::optional<std::int64_t> ParseInt64(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::int64_t CheckedInt32(const TPropInfo& info, std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        InvalidValue(info, std::to_string(value) + " is out of range");
    }
    return value;
}

// Colours read as unsigned 32-bit numbers too ($80000000 and up name system colours).
std::int64_t CheckedColor(const TPropInfo& info, std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::uint32_t>::max()) {
        InvalidValue(info, std::to_string(value) + " is out of range");
    }
    return TColor(std::uint32_t(value));
}

const char* AlternativeName(const TPropValue& value)
{
    static constexpr const char* kNames[] = {"nothing", "an integer", "a boolean", "a float", "a string",
                                             "an object", "an enumeration value", "a set", "an event handler"};
    return kNames[value.index()];
}

[[noreturn]] void Mismatch(const TPropInfo& info, const TPropValue& value)
{
    InvalidValue(info, std::string(AlternativeName(value)) + " does not fit " + DescribeTypeKind(info.Kind) +
                           " property");
}

TPropValue CanonicalEnum(const TPropInfo& info, const TPropValue& value)
{
    const TEnumInfo& type = *info.EnumType;
    std::optional<int> ordinal;
    if (const auto* e = std::get_if<TEnumValue>(&value); e && (e->Type == &type || !e->Type)) ordinal = e->Ordinal;
    else if (const auto* i = std::get_if<std::int64_t>(&value)) ordinal = *i >= 0 && *i < type.Count() ? int(*i) : -1;
    else if (const auto* s = std::get_if<std::string>(&value)) {
        ordinal = type.ValueOf(*s);
        if (!ordinal) InvalidValue(info, "'" + *s + "' is not a " + std::string(type.TypeName()) + " value");
    } else Mismatch(info, value);
    if (*ordinal < 0 || *ordinal >= type.Count()) InvalidValue(info, "ordinal out of range");
    return TEnumValue{&type, *ordinal};
}

TPropValue CanonicalSet(const TPropInfo& info, const TPropValue& value)
{
    const TEnumInfo& type = *info.EnumType;
    std::uint64_t bits = 0;
    if (const auto* s = std::get_if<TSetValue>(&value); s && (s->Type == &type || !s->Type)) bits = s->Bits;
    else if (const auto* i = std::get_if<std::int64_t>(&value)) bits = std::uint64_t(*i);
    else if (const auto* text = std::get_if<std::string>(&value)) {
        try {
            bits = StringToSet(type, *text);
        } catch (const EPropertyError& e) {
            InvalidValue(info, e.Message);
        }
    } else Mismatch(info, value);
    const std::uint64_t all = type.Count() >= kMaxSetElements ? ~std::uint64_t(0)
                                                              : (std::uint64_t(1) << type.Count()) - 1;
    if ((bits & ~all) != 0) InvalidValue(info, "set holds elements " + std::string(type.TypeName()) + " does not have");
    return TSetValue{&type, bits};
}

TPropValue CanonicalInteger(const TPropInfo& info, const TPropValue& value)
{
    std::optional<std::int64_t> number;
    if (const auto* i = std::get_if<std::int64_t>(&value)) number = *i;
    else if (const auto* s = std::get_if<std::string>(&value)) {
        number = ParseInt64(*s);
        if (!number) InvalidValue(info, "'" + *s + "' is not a number");
    } else Mismatch(info, value);
    return info.Kind == TTypeKind::Integer ? CheckedInt32(info, *number) : *number;
}

TPropValue CanonicalColor(const TPropInfo& info, const TPropValue& value)
{
    if (const auto* i = std::get_if<std::int64_t>(&value)) return CheckedColor(info, *i);
    const auto* s = std::get_if<std::string>(&value);
    if (!s) Mismatch(info, value);
    if (const std::optional<TColor> named = IdentToColor(*s)) return std::int64_t(*named);
    if (const std::optional<int> number = TryStrToInt(*s)) return std::int64_t(*number);
    InvalidValue(info, "'" + *s + "' is not a colour");
}

TPropValue CanonicalBoolean(const TPropInfo& info, const TPropValue& value)
{
    if (const auto* b = std::get_if<bool>(&value)) return *b;
    const auto* s = std::get_if<std::string>(&value);
    if (!s) Mismatch(info, value);
    if (SameText(*s, "True")) return true;
    if (SameText(*s, "False")) return false;
    InvalidValue(info, "'" + *s + "' is not True or False");
}

TPropValue CanonicalMethod(const TPropInfo& info, const TPropValue& value)
{
    if (std::holds_alternative<std::monostate>(value)) return TMethodValue{};
    const auto* m = std::get_if<TMethodValue>(&value);
    if (!m) Mismatch(info, value);
    if (m->Handler.has_value() && m->Handler.type() != *info.HandlerType) {
        InvalidValue(info, "the handler's signature does not match the event");
    }
    return *m;
}

// The canonical alternative for info's kind, or EPropertyError.
TPropValue Canonical(const TPropInfo& info, const TPropValue& value)
{
    switch (info.Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Int64: return CanonicalInteger(info, value);
    case TTypeKind::Boolean: return CanonicalBoolean(info, value);
    case TTypeKind::Enumeration: return CanonicalEnum(info, value);
    case TTypeKind::Set: return CanonicalSet(info, value);
    case TTypeKind::Color: return CanonicalColor(info, value);
    case TTypeKind::Method: return CanonicalMethod(info, value);
    case TTypeKind::String:
        if (!std::holds_alternative<std::string>(value)) Mismatch(info, value);
        return value;
    case TTypeKind::Float:
        if (const auto* i = std::get_if<std::int64_t>(&value)) return double(*i);
        if (!std::holds_alternative<double>(value)) Mismatch(info, value);
        return value;
    case TTypeKind::Class:
        if (std::holds_alternative<std::monostate>(value)) return static_cast<TObject*>(nullptr);
        if (!std::holds_alternative<TObject*>(value)) Mismatch(info, value);
        return value;
    }
    Mismatch(info, value);
}

TPropTarget Resolve(const TObject& object, std::string_view name)
{
    return ResolvePropPath(const_cast<TObject&>(object), name);
}

}  // namespace

const TPropInfo* GetPropInfo(const TClassInfo& info, std::string_view name)
{
    return info.FindProperty(name);
}

const TPropInfo* GetPropInfo(const TObject& object, std::string_view name)
{
    const TClassInfo* info = ClassTypeOf(object);
    return info ? info->FindProperty(name) : nullptr;
}

bool IsPublishedProp(const TClassInfo& info, std::string_view name)
{
    return GetPropInfo(info, name) != nullptr;
}

bool IsPublishedProp(const TObject& object, std::string_view name)
{
    return GetPropInfo(object, name) != nullptr;
}

TPropTarget ResolvePropPath(TObject& root, std::string_view path)
{
    TObject* object = &root;
    std::string_view rest = path;
    for (;;) {
        const std::size_t dot = rest.find('.');
        const TPropInfo* info = GetPropInfo(*object, rest.substr(0, dot));
        if (!info) NoSuchProperty(path);
        if (dot == std::string_view::npos) return {object, info};
        if (info->Kind != TTypeKind::Class || info->Role != TObjectRole::SubObject) NoSuchProperty(path);
        TObject* next = std::get<TObject*>(info->Get(*object));
        if (!next) throw EPropertyError("Property " + info->Name + " holds no object");
        object = next;
        rest.remove_prefix(dot + 1);
    }
}

TPropValue GetPropValue(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    return GetPropValue(*target.Object, *target.Info);
}

void SetPropValue(TObject& object, std::string_view name, const TPropValue& value)
{
    const TPropTarget target = ResolvePropPath(object, name);
    SetPropValue(*target.Object, *target.Info, value);
}

TPropValue GetPropValue(const TObject& object, const TPropInfo& info)
{
    return info.Get(object);
}

void SetPropValue(TObject& object, const TPropInfo& info, const TPropValue& value)
{
    if (!info.Set) throw EPropertyError("Property " + info.Name + " is read-only");
    info.Set(object, Canonical(info, value));
}

std::int64_t GetOrdProp(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    const TPropValue value = GetPropValue(*target.Object, *target.Info);
    switch (target.Info->Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Int64:
    case TTypeKind::Color: return std::get<std::int64_t>(value);
    case TTypeKind::Boolean: return std::get<bool>(value) ? 1 : 0;
    case TTypeKind::Enumeration: return std::get<TEnumValue>(value).Ordinal;
    case TTypeKind::Set: return std::int64_t(std::get<TSetValue>(value).Bits);
    default: WrongKind(*target.Info, "an ordinal");
    }
}

void SetOrdProp(TObject& object, std::string_view name, std::int64_t value)
{
    const TPropTarget target = ResolvePropPath(object, name);
    switch (target.Info->Kind) {
    case TTypeKind::Boolean: SetPropValue(*target.Object, *target.Info, value != 0); return;
    case TTypeKind::Integer:
    case TTypeKind::Int64:
    case TTypeKind::Color:
    case TTypeKind::Enumeration:
    case TTypeKind::Set: SetPropValue(*target.Object, *target.Info, value); return;
    default: WrongKind(*target.Info, "an ordinal");
    }
}

std::string GetStrProp(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    if (target.Info->Kind != TTypeKind::String) WrongKind(*target.Info, "a string");
    return std::get<std::string>(GetPropValue(*target.Object, *target.Info));
}

void SetStrProp(TObject& object, std::string_view name, const std::string& value)
{
    const TPropTarget target = ResolvePropPath(object, name);
    if (target.Info->Kind != TTypeKind::String) WrongKind(*target.Info, "a string");
    SetPropValue(*target.Object, *target.Info, value);
}

TObject* GetObjectProp(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    if (target.Info->Kind != TTypeKind::Class) WrongKind(*target.Info, "an object");
    return std::get<TObject*>(GetPropValue(*target.Object, *target.Info));
}

void SetObjectProp(TObject& object, std::string_view name, TObject* value)
{
    const TPropTarget target = ResolvePropPath(object, name);
    if (target.Info->Kind != TTypeKind::Class) WrongKind(*target.Info, "an object");
    SetPropValue(*target.Object, *target.Info, value);
}

std::string GetEnumProp(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    const TPropValue value = GetPropValue(*target.Object, *target.Info);
    if (target.Info->Kind == TTypeKind::Boolean) return std::get<bool>(value) ? "True" : "False";
    if (target.Info->Kind != TTypeKind::Enumeration) WrongKind(*target.Info, "an enumeration");
    return std::string(std::get<TEnumValue>(value).Name());
}

void SetEnumProp(TObject& object, std::string_view name, std::string_view value)
{
    const TPropTarget target = ResolvePropPath(object, name);
    const TTypeKind kind = target.Info->Kind;
    if (kind != TTypeKind::Boolean && kind != TTypeKind::Enumeration) WrongKind(*target.Info, "an enumeration");
    SetPropValue(*target.Object, *target.Info, std::string(value));
}

std::string GetSetProp(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    if (target.Info->Kind != TTypeKind::Set) WrongKind(*target.Info, "a set");
    return std::get<TSetValue>(GetPropValue(*target.Object, *target.Info)).ToString();
}

void SetSetProp(TObject& object, std::string_view name, std::string_view value)
{
    const TPropTarget target = ResolvePropPath(object, name);
    if (target.Info->Kind != TTypeKind::Set) WrongKind(*target.Info, "a set");
    SetPropValue(*target.Object, *target.Info, std::string(value));
}

std::any GetMethodProp(const TObject& object, std::string_view name)
{
    const TPropTarget target = Resolve(object, name);
    if (target.Info->Kind != TTypeKind::Method) WrongKind(*target.Info, "an event");
    return std::get<TMethodValue>(GetPropValue(*target.Object, *target.Info)).Handler;
}

void SetMethodProp(TObject& object, std::string_view name, std::any handler)
{
    const TPropTarget target = ResolvePropPath(object, name);
    if (target.Info->Kind != TTypeKind::Method) WrongKind(*target.Info, "an event");
    SetPropValue(*target.Object, *target.Info, TMethodValue{std::move(handler)});
}

std::any BindMethod(TObject& instance, std::string_view name)
{
    const TClassInfo* info = ClassTypeOf(instance);
    const TMethodInfo* method = info ? info->FindMethod(name) : nullptr;
    return method ? method->Bind(instance) : std::any();
}
