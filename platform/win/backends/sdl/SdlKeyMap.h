#pragma once
// SDL's keys to the classic virtual-key codes.

#include "platform/win/Backend.h"

#include <SDL_keyboard.h>

#include <cstdint>

namespace win {

// Letters and digits follow the keyboard layout (the key symbol), falling
// back to the key's position when the layout gives no Latin letter or digit
// there. 0 for keys without a code; their characters still arrive as Text.
[[nodiscard]] std::uint16_t VirtualKeyFromSdl(const SDL_Keysym& key);
[[nodiscard]] KeyModifiers ModifiersFromSdl(std::uint16_t sdlModifiers);

}  // namespace win
