#pragma once
// Keyboard shortcuts of menu items: a virtual key in the low byte and the
// modifiers in the high bits, as the classic framework stores them, and
// their texts ("Ctrl+S", "Shift+Ctrl+F1", "Alt+Del").

#include "platform/ui/base/Controls.h"

#include <cstdint>
#include <string>
#include <string_view>

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The shortcut of key with the Shift, Ctrl and Alt of shift.
[[nodiscard]] TShortCut ShortCut(WORD key, TShiftState shift);
// "Shift+Ctrl+Alt+Key"; empty for 0 and for keys without a name.
[[nodiscard]] std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText (modifier and key names compared without
// regard to ASCII case); 0 for text it does not know.
[[nodiscard]] TShortCut TextToShortCut(std::string_view text);
