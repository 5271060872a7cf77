#include "platform/ui/lists/ListNavigation.h"

#include "platform/core/Strings.h"
#include "platform/core/Utf8.h"
#include "platform/win/WinConst.h"

#include <algorithm>

namespace {

char32_t FoldAscii(char32_t ch)
{
    return (ch >= U'A' && ch <= U'Z') ? ch - U'A' + U'a' : ch;
}

}  // namespace

std::optional<int> IndexAfterKey(WORD key, const TListPosition& position)
{
    const int last = position.Count - 1;
    if (last < 0) return std::nullopt;
    const int step = std::max(position.Page - 1, 1);
    const int current = position.Current;
    switch (key) {
    case VK_UP: return current < 0 ? 0 : std::max(current - 1, 0);
    case VK_DOWN: return current < 0 ? 0 : std::min(current + 1, last);
    case VK_PRIOR: return std::max(current - step, 0);
    case VK_NEXT: return std::clamp(current + step, 0, last);
    case VK_HOME: return 0;
    case VK_END: return last;
    default: return std::nullopt;
    }
}

int FindByFirstChar(const TStrings& items, char32_t ch, int start)
{
    const int count = items.Count();
    if (count == 0) return -1;
    const char32_t wanted = FoldAscii(ch);
    const int first = std::clamp(start, -1, count - 1) + 1;
    for (int n = 0; n < count; ++n) {
        const int index = (first + n) % count;
        const Utf8::CodePoint head = Utf8::DecodeNext(items.Strings(index), 0);
        if (head.Size > 0 && FoldAscii(head.Value) == wanted) return index;
    }
    return -1;
}
