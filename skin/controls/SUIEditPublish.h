#pragma once
// The skin properties every skinned edit publishes. Include only from .cpp
// files (it brings in ClassBuilder.h).

#include "platform/core/ClassBuilder.h"
#include "skin/core/FileTheme.h"

template <class T>
void PublishEditSkin(TClassBuilder<T>& c)
{
    c.Property("UIStyle", &T::UIStyle, &T::SetUIStyle);
    c.Reference("FileTheme", &T::FileTheme, &T::SetFileTheme);
    c.Color("BorderColor", &T::BorderColor, &T::SetBorderColor);
}
