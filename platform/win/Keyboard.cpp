// Keyboard input: key messages to the focus window, characters from text,
// TranslateMessage for control characters, and the key state.

#include "platform/core/Utf8.h"
#include "platform/win/InputRouting.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win {

namespace {

constexpr LPARAM kRepeatCountOne = 1;
constexpr LPARAM kTransitionUpBit = LPARAM(1) << 31;

HWND KeyboardTarget()
{
    const InputState& in = Sys().input;
    const HWND target = in.focus ? in.focus : in.active;
    return LookUp(target) ? target : nullptr;
}

short WithModifiers(short state, int vk, const KeyModifiers& m)
{
    const bool held = (vk == VK_SHIFT && m.shift) || (vk == VK_CONTROL && m.control) || (vk == VK_MENU && m.alt);
    return held ? short(state | short(0x8000)) : state;
}

// The control character a key makes with TranslateMessage, or 0.
WPARAM ControlCharacter(WPARAM vk)
{
    const bool control = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
    switch (vk) {
    case VK_RETURN:
        return control ? 10 : 13;
    case VK_ESCAPE:
        return 27;
    case VK_BACK:
        return control ? 127 : 8;
    case VK_TAB:
        return control ? 0 : 9;
    default:
        return control && vk >= 'A' && vk <= 'Z' ? vk - 'A' + 1 : 0;
    }
}

// The character Alt+key makes with TranslateMessage (WM_SYSCHAR), or 0.
WPARAM SystemCharacter(WPARAM vk)
{
    if (vk >= '0' && vk <= '9') return vk;
    if (vk >= 'A' && vk <= 'Z') return GetKeyState(VK_SHIFT) < 0 ? vk : vk - 'A' + 'a';
    return 0;
}

}  // namespace

void NoteArrivingEvent(const BackendEvent& e)
{
    InputState& in = Sys().input;
    using Type = BackendEvent::Type;
    switch (e.type) {
    case Type::KeyDown:
        in.asyncKeys.Press(e.virtualKey);
        break;
    case Type::KeyUp:
        in.asyncKeys.Release(e.virtualKey);
        break;
    case Type::MouseDown:
        in.asyncKeys.Press(ButtonVirtualKey(e.button));
        break;
    case Type::MouseUp:
        in.asyncKeys.Release(ButtonVirtualKey(e.button));
        break;
    case Type::FocusOut:
        // Keys released while another program had the focus are never reported.
        in.asyncKeys.Clear();
        in.keys.Clear();
        break;
    default:
        return;
    }
    if (IsInputEvent(e.type)) in.asyncModifiers = e.modifiers;
}

std::vector<MSG> TranslateKeyEvent(const BackendEvent& e)
{
    InputState& in = Sys().input;
    const bool down = e.type == BackendEvent::Type::KeyDown;
    if (down)
        in.keys.Press(e.virtualKey);
    else
        in.keys.Release(e.virtualKey);
    in.modifiers = e.modifiers;
    const HWND target = KeyboardTarget();
    if (!target) return {};
    const bool alt = GetKeyState(VK_MENU) < 0 || e.virtualKey == VK_MENU;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    // Alt combinations (not Ctrl+Alt, which types characters) and F10 are system keys,
    // and so is everything when no window has the focus.
    const bool system = (alt && !control) || e.virtualKey == VK_F10 || !in.focus;
    const UINT msg = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lp = kRepeatCountOne;
    if (alt && !control) lp |= KF_ALTDOWN_BIT;
    if (!down || e.repeat) lp |= KF_REPEAT_BIT;
    if (!down) lp |= kTransitionUpBit;
    return {MSG{target, msg, e.virtualKey, lp, e.timeMs, Sys().backend->CursorPos()}};
}

std::vector<MSG> TranslateTextEvent(const BackendEvent& e)
{
    const HWND target = KeyboardTarget();
    if (!target) return {};
    std::vector<MSG> out;
    const POINT pt = Sys().backend->CursorPos();
    for (std::size_t at = 0; at < e.text.size();) {
        const Utf8::CodePoint cp = Utf8::DecodeNext(e.text, at);
        if (cp.Size == 0) break;
        at += cp.Size;
        out.push_back(MSG{target, WM_CHAR, WPARAM(cp.Value), kRepeatCountOne, e.timeMs, pt});
    }
    return out;
}

}  // namespace win

using namespace win;

bool TranslateMessage(const MSG& msg)
{
    WPARAM ch = 0;
    UINT charMessage = WM_CHAR;
    if (msg.message == WM_KEYDOWN) {
        ch = ControlCharacter(msg.wParam);
    } else if (msg.message == WM_SYSKEYDOWN && (msg.lParam & KF_ALTDOWN_BIT)) {
        ch = SystemCharacter(msg.wParam);
        charMessage = WM_SYSCHAR;
    }
    if (ch == 0) return false;
    Sys().queue.PostFront(MSG{msg.hwnd, charMessage, ch, msg.lParam, msg.time, msg.pt});
    return true;
}

short GetKeyState(int virtualKey)
{
    const InputState& in = Sys().input;
    return WithModifiers(in.keys.AsShort(virtualKey), virtualKey, in.modifiers);
}

short GetAsyncKeyState(int virtualKey)
{
    const InputState& in = Sys().input;
    return WithModifiers(in.asyncKeys.AsShort(virtualKey), virtualKey, in.asyncModifiers);
}
