// Parses arbitrary text as a form description and applies what parses to
// small published classes, so that both the reader and the property access
// see hostile values. Framework exceptions are the expected outcome of bad
// input; anything else (a crash, a sanitizer report, another exception
// type) is a fault.

#include "platform/core/ClassBuilder.h"
#include "platform/core/Exception.h"
#include "platform/core/FormDescriptionApplier.h"
#include "platform/core/FormDescriptionParser.h"
#include "platform/core/PropertyAccess.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

QZ_ENUM(TFuzzStyle, fzFlat, fzRaised, fzLowered)
using TFuzzStyles = TEnumSet<TFuzzStyle>;

class TFuzzData : public TPersistent {
    QZ_DECLARE_CLASS(TFuzzData, TPersistent)
public:
    std::vector<std::string> Lines;
    std::vector<std::uint8_t> Bytes;
    std::string Name;

private:
    void ReadStrings(const TFormValue& value)
    {
        if (value.Kind != TFormValueKind::List) throw EReadError("Strings takes a list");
        for (const TFormValue& item : value.Items) Lines.push_back(item.Text);
    }
    void ReadData(const TFormValue& value) { Bytes = value.Bytes; }
};

class TFuzzItems : public TPersistent {
    QZ_DECLARE_CLASS(TFuzzItems, TPersistent)
public:
    void Clear() { Items.clear(); }
    TFuzzData* Add() { return Items.emplace_back(std::make_unique<TFuzzData>()).get(); }
    std::vector<std::unique_ptr<TFuzzData>> Items;
};

class TFuzzControl : public TObject {
    QZ_DECLARE_CLASS(TFuzzControl, TObject)
public:
    int Left = 0;
    std::int64_t Big = 0;
    bool Visible = true;
    double Ratio = 0;
    std::string Caption;
    TColor Color = clBtnFace;
    TFuzzStyle Style = fzFlat;
    TFuzzStyles Styles;
    TFuzzControl* Buddy = nullptr;
    TFuzzData Data;
    TFuzzItems Items;
    TNotifyEvent OnClick;

    void Clicked(TObject*) {}
};

QZ_IMPLEMENT_CLASS(TFuzzData);
void TFuzzData::Publish(TClassBuilder<TFuzzData>& c)
{
    c.Property("Name", &TFuzzData::Name);
    c.DefinedProperty("Strings", &TFuzzData::ReadStrings);
    c.DefinedProperty("Data", &TFuzzData::ReadData);
}

QZ_IMPLEMENT_CLASS(TFuzzItems);
void TFuzzItems::Publish(TClassBuilder<TFuzzItems>& c)
{
    c.Collection(&TFuzzItems::Clear, &TFuzzItems::Add);
}

QZ_IMPLEMENT_CLASS(TFuzzControl);
void TFuzzControl::Publish(TClassBuilder<TFuzzControl>& c)
{
    c.Property("Left", &TFuzzControl::Left);
    c.Property("Big", &TFuzzControl::Big);
    c.Property("Visible", &TFuzzControl::Visible);
    c.Property("Ratio", &TFuzzControl::Ratio);
    c.Property("Caption", &TFuzzControl::Caption);
    c.Color("Color", &TFuzzControl::Color);
    c.Property("Style", &TFuzzControl::Style);
    c.Property("Styles", &TFuzzControl::Styles);
    c.Reference("Buddy", &TFuzzControl::Buddy);
    c.SubObject("Data", &TFuzzControl::Data);
    c.SubObject("Items", &TFuzzControl::Items);
    c.Property("OnClick", &TFuzzControl::OnClick);
    c.Method("Clicked", &TFuzzControl::Clicked);
}

void Apply(TFuzzControl& control, const TFormObject& node, const TFormResolver& resolver)
{
    try {
        ApplyFormProperties(control, node.Properties, resolver);
    } catch (const EReadError&) {
        // Bad values stop this object only; its children are still tried.
    }
    for (const TFormObject& child : node.Children) {
        TFuzzControl childControl;
        Apply(childControl, child, resolver);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TFormObject root;
    try {
        root = ParseFormDescription(text);
    } catch (const EReadError&) {
        return 0;
    }
    TFuzzControl form;
    TFormResolver resolver;
    resolver.FindComponent = [&form](std::string_view name) -> TObject* { return name == "self" ? &form : nullptr; };
    resolver.FindMethod = [&form](std::string_view name) { return BindMethod(form, name); };
    Apply(form, root, resolver);
    return 0;
}
