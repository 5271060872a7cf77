#pragma once
// What an owner-draw handler of a list or combo box is told about the item
// it draws: selected (highlighted), disabled (odGrayed and odDisabled
// together), focused, and odComboBoxEdit for the closed combo box's own
// item field rather than a row of its list.

#include "platform/core/EnumSet.h"
#include "platform/core/Rect.h"
#include "platform/core/Rtti.h"

#include <functional>

class TWinControl;

QZ_ENUM(TOwnerDrawStateFlag, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit)
using TOwnerDrawState = TEnumSet<TOwnerDrawStateFlag>;

// Draws item index into rect on the control's Canvas.
using TDrawItemEvent = std::function<void(TWinControl* control, int index, TRect rect, TOwnerDrawState state)>;
// Sets height (pixels) for item index; it starts as the control's ItemHeight.
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;
