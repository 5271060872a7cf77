#pragma once
// The index check shared by the framework's lists (string lists, collections).

// Raises EListError "List index out of bounds (<index>)" unless 0 <= index < count.
void CheckListIndex(int index, int count);
