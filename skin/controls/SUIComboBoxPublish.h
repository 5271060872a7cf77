#pragma once
// The skin's combo box properties (UIStyle, FileTheme and the three
// colours), published by every skinned combo box. Include only from .cpp files.

#include "skin/controls/SUISkinnedControl.h"

template <class T>
void PublishComboBoxLook(TClassBuilder<T>& c)
{
    PublishSkinStyle(c);
    c.Color("BorderColor", &T::BorderColor, &T::SetBorderColor);
    c.Color("ButtonColor", &T::ButtonColor, &T::SetButtonColor);
    c.Color("ArrowColor", &T::ArrowColor, &T::SetArrowColor);
}
