#pragma once
// What a custom-draw handler is told about the item it may draw: pressed
// (cdsSelected), disabled (cdsGrayed and cdsDisabled together), checked
// (down), focused, the default item, under the mouse (cdsHot), marked and
// indeterminate.

#include "platform/core/EnumSet.h"
#include "platform/core/Rtti.h"

QZ_ENUM(TCustomDrawStateFlag, cdsSelected, cdsGrayed, cdsDisabled, cdsChecked, cdsFocused, cdsDefault, cdsHot,
        cdsMarked, cdsIndeterminate)
using TCustomDrawState = TEnumSet<TCustomDrawStateFlag>;
