#include "skin/core/ThemeElements.h"

#include "skin/core/ThemeElementTable.h"

namespace {

using SuiThemeDetail::kElements;

constexpr bool IdsFollowPositions()
{
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        if (kElements[i].Id != int(i) + 1) return false;
    }
    return true;
}
static_assert(IdsFollowPositions(), "theme elements must be listed in id order");

constexpr bool IsElementId(int id)
{
    return id >= 1 && id <= kThemeElementCount;
}

}  // namespace

std::string_view ThemeElementKey(int id)
{
    return IsElementId(id) ? kElements[std::size_t(id - 1)].Key : std::string_view{};
}

TThemeElementKind ThemeElementKindOf(int id)
{
    return IsElementId(id) ? kElements[std::size_t(id - 1)].Kind : TThemeElementKind::Integer;
}
