#include "platform/core/ListIndex.h"

#include "platform/core/Exception.h"

#include <string>

void CheckListIndex(int index, int count)
{
    if (index < 0 || index >= count) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}
