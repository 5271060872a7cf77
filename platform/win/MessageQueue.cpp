#include "platform/win/MessageQueue.h"

#include "platform/win/Messages.h"

namespace win {

namespace {

struct MessageRange {
    UINT first;
    UINT last;
};
// Everything the raw input events turn into.
constexpr MessageRange kInputRanges[] = {
    {WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK},
    {WM_KEYDOWN, WM_SYSCHAR},
    {WM_MOUSEFIRST, WM_MOUSELAST},
    {WM_NCMOUSEHOVER, WM_MOUSELEAVE},
};

}  // namespace

bool MessageFilter::MatchesNumber(UINT message) const
{
    if (min == 0 && max == 0) return true;
    return message >= min && message <= max;
}

bool MessageFilter::WantsInput() const
{
    if (min == 0 && max == 0) return true;
    for (const MessageRange& r : kInputRanges)
        if (r.first <= max && min <= r.last) return true;
    return false;
}

void MessageQueue::DropMessagesFor(HWND hwnd)
{
    std::erase_if(m_posted, [hwnd](const MSG& msg) { return msg.hwnd == hwnd; });
    std::erase_if(m_input, [hwnd](const Entry& e) {
        const MSG* msg = std::get_if<MSG>(&e);
        return msg && msg->hwnd == hwnd;
    });
}

}  // namespace win
