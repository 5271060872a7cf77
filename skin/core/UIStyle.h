#pragma once
// The skin styles. FromThemeFile takes the look from a theme file; the other
// five are the built-in styles, and DeepBlue is the fallback throughout.

#include "platform/core/EnumInfo.h"

QZ_ENUM(TsuiUIStyle, FromThemeFile, MacOS, WinXP, DeepBlue, Protein, BlueGlass)

// The number of styles, FromThemeFile included.
inline constexpr int kUIStyleCount = 6;
