#pragma once
// Up/down and toggle state of every virtual key, as GetKeyState reports it.
// The left and right modifier keys also drive their common key (VK_SHIFT,
// VK_CONTROL, VK_MENU).

#include <array>
#include <cstdint>

namespace win {

class KeyStateTable {
public:
    void Press(int vk);
    void Release(int vk);
    // Sets a key from a modifier flag that came with an event.
    void SetDown(int vk, bool down);
    void Clear() { m_state.fill(0); }

    [[nodiscard]] bool IsDown(int vk) const { return Valid(vk) && (m_state[std::size_t(vk)] & kDown) != 0; }
    // The classic answer: high bit when down, low bit when toggled.
    [[nodiscard]] short AsShort(int vk) const;

private:
    static constexpr std::uint8_t kDown = 0x80;
    static constexpr std::uint8_t kToggled = 0x01;
    [[nodiscard]] static bool Valid(int vk) { return vk >= 0 && vk < 256; }
    // The common key of a left or right modifier key, or 0.
    [[nodiscard]] static int CommonKey(int vk);
    void UpdateCommonKey(int vk);

    std::array<std::uint8_t, 256> m_state{};
};

}  // namespace win
