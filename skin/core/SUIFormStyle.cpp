#include "skin/core/SUIThemes.h"

#include "platform/core/ClassRegistry.h"
#include "platform/core/PropertyAccess.h"
#include "platform/ui/base/WinControl.h"

#include <cstdint>

namespace {

// The skinned form lives in a layer above this one, so it is found by its
// registered class name and read through its published UIStyle.
constexpr const char* kSkinnedFormClass = "TsuiForm";
constexpr const char* kStyleProperty = "UIStyle";

TsuiUIStyle StyleOf(const TControl& skinnedForm)
{
    const std::int64_t ordinal = GetOrdProp(skinnedForm, kStyleProperty);
    if (ordinal < 0 || ordinal >= kUIStyleCount) return DeepBlue;
    return TsuiUIStyle(ordinal);
}

}  // namespace

TsuiUIStyle GetSUIFormStyle(TComponent* form)
{
    const auto* container = dynamic_cast<const TWinControl*>(form);
    const TClassInfo* skinnedFormClass = GetClass(kSkinnedFormClass);
    if (!container || !skinnedFormClass) return DeepBlue;
    for (int i = 0; i < container->ControlCount(); ++i) {
        const TControl* control = container->Controls(i);
        if (InheritsFrom(*control, *skinnedFormClass)) return StyleOf(*control);
    }
    return DeepBlue;
}
