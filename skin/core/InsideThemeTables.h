#pragma once
// The built-in values of the theme elements, one table per built-in style.
// The getters of SUIThemes.h read them through LookupInsideTheme.

#include "skin/core/ThemeElements.h"
#include "skin/core/UIStyle.h"

#include <cstdint>
#include <string_view>

// One element's value in one style: a number (an integer, a colour in
// 0x00BBGGRR, or a boolean in the low byte) or the name of a bitmap resource.
struct TInsideValue {
    TThemeElementKind Kind = TThemeElementKind::Integer;
    std::int32_t Number = -1;
    std::string_view Resource;
};

// The element's kind and value in a built-in style. FromThemeFile has no
// built-in values: it gives an Integer of -1, as do ids outside 1..42.
[[nodiscard]] TInsideValue LookupInsideTheme(TsuiUIStyle style, int id);
