#include "skin/core/ThemeUse.h"

#include "platform/core/PropertyAccess.h"
#include "platform/ui/base/WinControl.h"
#include "skin/core/FileTheme.h"
#include "skin/core/SUIPublic.h"

TThemeSource UsingFileTheme(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
{
    if (style != FromThemeFile) return {false, style};
    if (!fileTheme || !fileTheme->CanUse()) return {false, DeepBlue};
    return {true, FromThemeFile};
}

void ContainerApplyUIStyle(TWinControl* container, TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    if (!container) return;
    // A child's setters may free children: re-check the count each time.
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        if (!IsHasProperty(child, "FileTheme") || !IsHasProperty(child, "UIStyle")) continue;
        SetObjectProp(*child, "FileTheme", fileTheme);
        SetOrdProp(*child, "UIStyle", style);
    }
}
