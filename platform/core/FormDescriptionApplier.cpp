#include "platform/core/FormDescriptionApplier.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/PropertyAccess.h"
#include "platform/core/SysUtils.h"

namespace {

// A read error that already names its line, so that enclosing properties
// (a collection and its items) pass it on unchanged.
class ELineReadError : public EReadError {
public:
    ELineReadError(int line, std::string_view reason)
        : EReadError("Line " + std::to_string(line) + ": " + std::string(reason))
    {
    }
};

const char* ValueKindName(TFormValueKind kind)
{
    switch (kind) {
    case TFormValueKind::Integer: return "an integer";
    case TFormValueKind::Float: return "a float";
    case TFormValueKind::String: return "a string";
    case TFormValueKind::Identifier: return "a name";
    case TFormValueKind::Set: return "a set";
    case TFormValueKind::List: return "a list";
    case TFormValueKind::Collection: return "a collection";
    case TFormValueKind::Binary: return "binary data";
    }
    return "a value";
}

[[noreturn]] void Unfit(const TPropInfo& info, const TFormValue& value)
{
    throw EPropertyError("Invalid property value for " + info.Name + ": " + ValueKindName(value.Kind) +
                         " does not fit " + DescribeTypeKind(info.Kind) + " property");
}

bool IsNil(const TFormValue& value)
{
    return value.Kind == TFormValueKind::Identifier && SameText(value.Text, "nil");
}

std::string SetText(const TFormValue& value)
{
    std::string text = "[";
    for (const TFormValue& element : value.Items) {
        if (text.size() > 1) text += ", ";
        text += element.Text;
    }
    return text + "]";
}

// The form value as the property value SetPropValue takes for info's kind.
TPropValue ScalarValue(const TPropInfo& info, const TFormValue& value)
{
    using K = TFormValueKind;
    switch (info.Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Int64:
        if (value.Kind == K::Integer) return value.Integer;
        break;
    case TTypeKind::Float:
        if (value.Kind == K::Integer) return value.Integer;
        if (value.Kind == K::Float) return value.Float;
        break;
    case TTypeKind::String:
        if (value.Kind == K::String) return value.Text;
        break;
    case TTypeKind::Boolean:
    case TTypeKind::Enumeration:
        if (value.Kind == K::Identifier) return value.Text;
        break;
    case TTypeKind::Color:
        if (value.Kind == K::Integer) return value.Integer;
        if (value.Kind == K::Identifier) return value.Text;
        break;
    case TTypeKind::Set:
        if (value.Kind == K::Set) return SetText(value);
        break;
    case TTypeKind::Class:
    case TTypeKind::Method: break;
    }
    Unfit(info, value);
}

TObject& SubObject(TObject& owner, const TPropInfo& info)
{
    TObject* sub = std::get<TObject*>(GetPropValue(owner, info));
    if (!sub) throw EPropertyError("Property " + info.Name + " holds no object");
    return *sub;
}

void ApplyCollection(TObject& collection, const TPropInfo& info, const TFormValue& value,
                     const TFormResolver& resolver)
{
    const TClassInfo* type = ClassTypeOf(collection);
    const TCollectionAccess* access = type ? type->Collection() : nullptr;
    if (!access) throw EPropertyError("Property " + info.Name + " is not a collection");
    access->Clear(collection);
    for (const TFormCollectionItem& item : value.CollectionItems) {
        ApplyFormProperties(access->Add(collection), item.Properties, resolver);
    }
}

void ApplyObject(TObject& target, const TPropInfo& info, const TFormValue& value, const TFormResolver& resolver)
{
    if (info.Role == TObjectRole::SubObject) {
        if (value.Kind != TFormValueKind::Collection) Unfit(info, value);
        ApplyCollection(SubObject(target, info), info, value, resolver);
        return;
    }
    if (value.Kind != TFormValueKind::Identifier) Unfit(info, value);
    if (IsNil(value)) {
        SetPropValue(target, info, static_cast<TObject*>(nullptr));
        return;
    }
    if (TObject* component = resolver.FindComponent ? resolver.FindComponent(value.Text) : nullptr) {
        SetPropValue(target, info, component);
    } else if (resolver.DeferReference) {
        resolver.DeferReference(target, info, value.Text);
    } else {
        throw EReadError("Component " + value.Text + " does not exist");
    }
}

void ApplyMethod(TObject& target, const TPropInfo& info, const TFormValue& value, const TFormResolver& resolver)
{
    if (value.Kind != TFormValueKind::Identifier) Unfit(info, value);
    if (IsNil(value)) {
        SetPropValue(target, info, TMethodValue{});
        return;
    }
    std::any handler = resolver.FindMethod ? resolver.FindMethod(value.Text) : std::any();
    if (!handler.has_value()) throw EReadError("Method " + value.Text + " does not exist");
    SetPropValue(target, info, TMethodValue{std::move(handler)});
}

// The object that holds the last part of a dotted name.
TObject& Holder(TObject& root, std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return root;
    const TPropTarget sub = ResolvePropPath(root, path.substr(0, dot));
    if (sub.Info->Kind != TTypeKind::Class || sub.Info->Role != TObjectRole::SubObject) {
        throw EPropertyError("Property " + std::string(path) + " does not exist");
    }
    return SubObject(*sub.Object, *sub.Info);
}

void Apply(TObject& root, const TFormProperty& property, const TFormResolver& resolver)
{
    TObject& target = Holder(root, property.Name);
    const std::size_t dot = property.Name.rfind('.');
    const std::string_view last = dot == std::string::npos ? std::string_view(property.Name)
                                                           : std::string_view(property.Name).substr(dot + 1);
    const TClassInfo* type = ClassTypeOf(target);
    if (const TPropInfo* info = type ? type->FindProperty(last) : nullptr) {
        switch (info->Kind) {
        case TTypeKind::Class: ApplyObject(target, *info, property.Value, resolver); return;
        case TTypeKind::Method: ApplyMethod(target, *info, property.Value, resolver); return;
        default: SetPropValue(target, *info, ScalarValue(*info, property.Value)); return;
        }
    }
    if (const TDefinedPropInfo* defined = type ? type->FindDefinedProperty(last) : nullptr) {
        defined->Read(target, property.Value);
        return;
    }
    throw EPropertyError("Property " + property.Name + " does not exist");
}

}  // namespace

void ApplyFormProperty(TObject& target, const TFormProperty& property, const TFormResolver& resolver)
{
    try {
        Apply(target, property, resolver);
    } catch (const ELineReadError&) {
        throw;
    } catch (const Exception& e) {
        throw ELineReadError(property.Line, e.Message);
    }
}

void ApplyFormProperties(TObject& target, const std::vector<TFormProperty>& properties,
                         const TFormResolver& resolver)
{
    for (const TFormProperty& property : properties) ApplyFormProperty(target, property, resolver);
}
