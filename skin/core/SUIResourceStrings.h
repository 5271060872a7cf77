#pragma once
// The skin's string resources: the captions of the title bar's pop-up menu.
// They live in the program's string table under the names below; code asks
// for them by id.

#include <string>

inline constexpr int SUI_TITLE_MENUITEM_MINIMIZE = 65466;
inline constexpr int SUI_TITLE_MENUITEM_MAXIMIZE = 65467;
inline constexpr int SUI_TITLE_MENUITEM_CLOSE = 65468;

// The string of that id. Unknown ids, and strings missing from the
// registered resources, raise EResNotFound.
[[nodiscard]] std::string SUILoadStr(int id);
