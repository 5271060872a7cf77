#include "platform/win/backends/sdl/SdlKeyMap.h"

#include "platform/win/WinConst.h"

#include <array>

namespace win {

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    WORD vk;
};

// Keys that are neither letters, digits nor F-keys.
constexpr std::array kKeys{
    KeyPair{SDLK_BACKSPACE, VK_BACK},      KeyPair{SDLK_TAB, VK_TAB},
    KeyPair{SDLK_RETURN, VK_RETURN},       KeyPair{SDLK_KP_ENTER, VK_RETURN},
    KeyPair{SDLK_ESCAPE, VK_ESCAPE},       KeyPair{SDLK_SPACE, VK_SPACE},
    KeyPair{SDLK_PAGEUP, VK_PRIOR},        KeyPair{SDLK_PAGEDOWN, VK_NEXT},
    KeyPair{SDLK_END, VK_END},             KeyPair{SDLK_HOME, VK_HOME},
    KeyPair{SDLK_LEFT, VK_LEFT},           KeyPair{SDLK_UP, VK_UP},
    KeyPair{SDLK_RIGHT, VK_RIGHT},         KeyPair{SDLK_DOWN, VK_DOWN},
    KeyPair{SDLK_INSERT, VK_INSERT},       KeyPair{SDLK_DELETE, VK_DELETE},
    KeyPair{SDLK_LSHIFT, VK_SHIFT},        KeyPair{SDLK_RSHIFT, VK_SHIFT},
    KeyPair{SDLK_LCTRL, VK_CONTROL},       KeyPair{SDLK_RCTRL, VK_CONTROL},
    KeyPair{SDLK_LALT, VK_MENU},           KeyPair{SDLK_RALT, VK_MENU},
    KeyPair{SDLK_LGUI, VK_LWIN},           KeyPair{SDLK_RGUI, VK_RWIN},
    KeyPair{SDLK_APPLICATION, VK_APPS},    KeyPair{SDLK_PAUSE, VK_PAUSE},
    KeyPair{SDLK_CAPSLOCK, VK_CAPITAL},    KeyPair{SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
    KeyPair{SDLK_SCROLLLOCK, VK_SCROLL},   KeyPair{SDLK_PRINTSCREEN, VK_SNAPSHOT},
    KeyPair{SDLK_HELP, VK_HELP},           KeyPair{SDLK_KP_MULTIPLY, VK_MULTIPLY},
    KeyPair{SDLK_KP_PLUS, VK_ADD},         KeyPair{SDLK_KP_MINUS, VK_SUBTRACT},
    KeyPair{SDLK_KP_PERIOD, VK_DECIMAL},   KeyPair{SDLK_KP_DIVIDE, VK_DIVIDE},
    KeyPair{SDLK_KP_0, VK_NUMPAD0},        KeyPair{SDLK_KP_1, WORD(VK_NUMPAD0 + 1)},
    KeyPair{SDLK_KP_2, WORD(VK_NUMPAD0 + 2)}, KeyPair{SDLK_KP_3, WORD(VK_NUMPAD0 + 3)},
    KeyPair{SDLK_KP_4, WORD(VK_NUMPAD0 + 4)}, KeyPair{SDLK_KP_5, WORD(VK_NUMPAD0 + 5)},
    KeyPair{SDLK_KP_6, WORD(VK_NUMPAD0 + 6)}, KeyPair{SDLK_KP_7, WORD(VK_NUMPAD0 + 7)},
    KeyPair{SDLK_KP_8, WORD(VK_NUMPAD0 + 8)}, KeyPair{SDLK_KP_9, WORD(VK_NUMPAD0 + 9)},
};

constexpr int kFunctionKeys = 12;

// Letters, digits and F-keys by key symbol; 0 for others.
WORD VirtualKeyOfSymbol(SDL_Keycode sym)
{
    if (sym >= SDLK_a && sym <= SDLK_z) return WORD('A' + (sym - SDLK_a));
    if (sym >= SDLK_0 && sym <= SDLK_9) return WORD('0' + (sym - SDLK_0));
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return WORD(VK_F1 + (sym - SDLK_F1));
    for (const KeyPair& k : kKeys)
        if (k.sdl == sym) return k.vk;
    return 0;
}

static_assert(SDLK_F12 - SDLK_F1 == kFunctionKeys - 1, "F-keys are contiguous");

}  // namespace

std::uint16_t VirtualKeyFromSdl(const SDL_Keysym& key)
{
    if (const WORD vk = VirtualKeyOfSymbol(key.sym)) return vk;
    // Non-Latin layouts: the letter or digit printed at that position on a US keyboard.
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
        return WORD('A' + (key.scancode - SDL_SCANCODE_A));
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return WORD('1' + (key.scancode - SDL_SCANCODE_1));
    if (key.scancode == SDL_SCANCODE_0) return '0';
    return 0;
}

KeyModifiers ModifiersFromSdl(std::uint16_t sdlModifiers)
{
    return {(sdlModifiers & KMOD_SHIFT) != 0, (sdlModifiers & KMOD_CTRL) != 0, (sdlModifiers & KMOD_ALT) != 0};
}

}  // namespace win
