#pragma once
// Applies the properties of a parsed form description to an object through
// the run-time type information. Dotted names walk through sub-objects
// ("Font.Name"); a last name that is no published property may be a defined
// property of the class (TClassBuilder::DefinedProperty: string list lines,
// binary picture data); collections are filled through the class's
// collection hooks. Values are checked against the property's kind:
// integers, floats, strings, True/False, enumeration names, colour names or
// numbers, sets of names, component references and method names. Creating
// the child objects and binding the form's fields is the component
// framework's part.
//
// Errors raise EReadError "Line N: <reason>", where the reason of a property
// error is its own message ("Line 7: Property Colour does not exist").

#include "platform/core/FormDescription.h"

#include <any>
#include <functional>
#include <string_view>
#include <vector>

class TObject;
struct TPropInfo;

// How names in values are looked up; the component framework provides them.
struct TFormResolver {
    // The component a reference names ("sbtnOp" or "frmOther.sbtnOp"), or null.
    std::function<TObject*(std::string_view name)> FindComponent;
    // The handler for a method name (see BindMethod), or an empty std::any.
    std::function<std::any(std::string_view name)> FindMethod;
    // Called when FindComponent found nothing, so that the reference can be
    // set once every component exists; without it the reference is an error.
    std::function<void(TObject& instance, const TPropInfo& info, std::string_view name)> DeferReference;
};

void ApplyFormProperty(TObject& target, const TFormProperty& property, const TFormResolver& resolver);
void ApplyFormProperties(TObject& target, const std::vector<TFormProperty>& properties,
                         const TFormResolver& resolver);
