#pragma once
// The skin properties every skinned edit publishes. Include only from .cpp
// files (it brings in ClassBuilder.h).

#include "skin/controls/SUISkinnedControl.h"

template <class T>
void PublishEditSkin(TClassBuilder<T>& c)
{
    PublishSkinStyle(c);
    c.Color("BorderColor", &T::BorderColor, &T::SetBorderColor);
}
