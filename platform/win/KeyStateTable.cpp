#include "platform/win/KeyStateTable.h"

#include "platform/win/WinConst.h"

namespace win {

int KeyStateTable::CommonKey(int vk)
{
    switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
        return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
        return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
        return VK_MENU;
    default:
        return 0;
    }
}

void KeyStateTable::UpdateCommonKey(int vk)
{
    const int common = CommonKey(vk);
    if (common == 0) return;
    const int left = common == VK_SHIFT ? VK_LSHIFT : common == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
    SetDown(common, IsDown(left) || IsDown(left + 1));
}

void KeyStateTable::Press(int vk)
{
    if (!Valid(vk)) return;
    std::uint8_t& s = m_state[std::size_t(vk)];
    if (!(s & kDown)) s ^= kToggled;
    s |= kDown;
    UpdateCommonKey(vk);
}

void KeyStateTable::Release(int vk)
{
    if (!Valid(vk)) return;
    m_state[std::size_t(vk)] &= std::uint8_t(~kDown);
    UpdateCommonKey(vk);
}

void KeyStateTable::SetDown(int vk, bool down)
{
    if (!Valid(vk)) return;
    std::uint8_t& s = m_state[std::size_t(vk)];
    s = down ? std::uint8_t(s | kDown) : std::uint8_t(s & ~kDown);
}

short KeyStateTable::AsShort(int vk) const
{
    if (!Valid(vk)) return 0;
    const std::uint8_t s = m_state[std::size_t(vk)];
    return short((s & kDown ? 0x8000 : 0) | (s & kToggled ? 1 : 0));
}

}  // namespace win
