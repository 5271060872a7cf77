#pragma once
// How keys move the selection of a one-column list: the arrows, Page Up and
// Page Down, Home and End, and the search by first letter. Pure functions,
// shared by the list box and the combo box (closed or dropped down).

#include "platform/win/WinTypes.h"

#include <optional>

class TStrings;

// Where the selection of a list moves on a key.
struct TListPosition {
    int Current = -1;  // the selected index, -1 for none
    int Count = 0;
    int Page = 1;      // rows the list shows at once
};

// The index the key selects, or nothing for keys that do not navigate (and
// for an empty list). With nothing selected, Up and Down select the first
// item. Page Up and Page Down move by one row less than a page, at least one.
[[nodiscard]] std::optional<int> IndexAfterKey(WORD key, const TListPosition& position);

// The first item after start (wrapping round, start itself last) whose
// text begins with ch, ASCII letter case ignored; -1 when none does.
[[nodiscard]] int FindByFirstChar(const TStrings& items, char32_t ch, int start);
