#include "platform/ui/menus/ShortCut.h"

#include "platform/core/SysUtils.h"
#include "platform/win/WinConst.h"

#include <array>
#include <optional>

namespace {

constexpr TShortCut kKeyMask = 0x00FF;

struct TKeyName {
    WORD Key;
    const char* Name;
};

// Keys whose names are not their characters.
constexpr std::array kKeyNames{
    TKeyName{VK_BACK, "BkSp"},   TKeyName{VK_TAB, "Tab"},      TKeyName{VK_RETURN, "Enter"},
    TKeyName{VK_ESCAPE, "Esc"},  TKeyName{VK_SPACE, "Space"},  TKeyName{VK_PRIOR, "PgUp"},
    TKeyName{VK_NEXT, "PgDn"},   TKeyName{VK_END, "End"},      TKeyName{VK_HOME, "Home"},
    TKeyName{VK_LEFT, "Left"},   TKeyName{VK_UP, "Up"},        TKeyName{VK_RIGHT, "Right"},
    TKeyName{VK_DOWN, "Down"},   TKeyName{VK_INSERT, "Ins"},   TKeyName{VK_DELETE, "Del"},
};

struct TModifierName {
    TShortCut Bit;
    const char* Prefix;
};

// In the order the texts write them.
constexpr std::array kModifierNames{
    TModifierName{scShift, "Shift+"},
    TModifierName{scCtrl, "Ctrl+"},
    TModifierName{scAlt, "Alt+"},
};

constexpr WORD kF1 = VK_F1;
constexpr int kFunctionKeys = 12;

bool IsLetterOrDigit(WORD key)
{
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
}

// "F1" to "F12". Built by appending: "F" + std::to_string(n) trips a false
// overlap warning of the optimiser in the string library.
std::string FunctionKeyName(int n)
{
    std::string name = "F";
    name += std::to_string(n);
    return name;
}

std::string KeyName(WORD key)
{
    if (IsLetterOrDigit(key)) return std::string(1, char(key));
    if (key >= kF1 && key < kF1 + kFunctionKeys) return FunctionKeyName(key - kF1 + 1);
    for (const TKeyName& name : kKeyNames) {
        if (name.Key == key) return name.Name;
    }
    return {};
}

std::optional<WORD> KeyOfName(std::string_view text)
{
    if (text.size() == 1) {
        const char ch = char(text[0] >= 'a' && text[0] <= 'z' ? text[0] - 'a' + 'A' : text[0]);
        if (IsLetterOrDigit(WORD(ch))) return WORD(ch);
    }
    for (const TKeyName& name : kKeyNames) {
        if (SameText(text, name.Name)) return name.Key;
    }
    for (int n = 1; n <= kFunctionKeys; ++n) {
        if (SameText(text, FunctionKeyName(n))) return WORD(kF1 + n - 1);
    }
    return std::nullopt;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift)
{
    if (key & ~kKeyMask) return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut)
{
    const std::string key = KeyName(WORD(shortCut & kKeyMask));
    if (key.empty()) return {};
    std::string text;
    for (const TModifierName& modifier : kModifierNames) {
        if (shortCut & modifier.Bit) text += modifier.Prefix;
    }
    return text + key;
}

TShortCut TextToShortCut(std::string_view text)
{
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const TModifierName& modifier : kModifierNames) {
            const std::string_view prefix = modifier.Prefix;
            if (text.size() > prefix.size() && SameText(text.substr(0, prefix.size()), prefix)) {
                modifiers |= modifier.Bit;
                text.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    const std::optional<WORD> key = KeyOfName(text);
    return key ? TShortCut(*key | modifiers) : scNone;
}
