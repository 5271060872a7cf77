// Mouse input: where each press, move and release goes, and as what message.

#include "platform/win/InputRouting.h"

#include "platform/win/Activation.h"
#include "platform/win/HitTest.h"
#include "platform/win/Metrics.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

#include <cstdlib>

namespace win {

namespace {

constexpr UINT kNonClientOffset = WM_MOUSEMOVE - WM_NCMOUSEMOVE;  // WM_x to WM_NCx

UINT DownMessage(MouseButton b)
{
    switch (b) {
    case MouseButton::Right:
        return WM_RBUTTONDOWN;
    case MouseButton::Middle:
        return WM_MBUTTONDOWN;
    default:
        return WM_LBUTTONDOWN;
    }
}

constexpr UINT kUpAfterDown = WM_LBUTTONUP - WM_LBUTTONDOWN;
constexpr UINT kDoubleAfterDown = WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;

MSG MouseMessage(const PointerTarget& t, UINT clientMessage, const BackendEvent& e)
{
    MSG m{t.hwnd, clientMessage, 0, 0, e.timeMs, e.pos};
    if (t.hitCode == HTCLIENT) {
        POINT p = e.pos;
        ScreenToClient(t.hwnd, p);
        m.wParam = MouseKeyState();
        m.lParam = PointToLParam(p);
    } else {
        m.message = clientMessage - kNonClientOffset;
        m.wParam = WPARAM(t.hitCode);
        m.lParam = PointToLParam(e.pos);
    }
    return m;
}

// WM_MOUSEACTIVATE and the activation a click brings; true when the click is eaten.
bool ClickActivates(const PointerTarget& t, UINT downMessage)
{
    Window* w = LookUp(t.hwnd);
    if (!w) return true;
    const Window& root = RootOf(*w);
    if (Sys().input.active == root.handle || !CanActivate(root)) return false;
    const HWND rootHandle = root.handle;
    const LRESULT r = SendMessage(t.hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(rootHandle),
                                  MAKELPARAM(WORD(t.hitCode), WORD(downMessage)));
    if ((r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT) && LookUp(rootHandle)) ActivateWindow(rootHandle, WA_CLICKACTIVE);
    return r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT || !LookUp(t.hwnd);
}

// The press as a single or double click; remembers it for the next one.
UINT ClickMessage(const PointerTarget& t, UINT downMessage, const BackendEvent& e)
{
    InputState& in = Sys().input;
    const bool nonClient = t.hitCode != HTCLIENT;
    const UINT kind = nonClient ? downMessage - kNonClientOffset : downMessage;
    const ClickRecord& last = in.lastClick;
    const bool again = last.hwnd == t.hwnd && last.downMessage == kind &&
                       e.timeMs - last.timeMs <= GetDoubleClickTime() &&
                       std::abs(e.pos.X - last.pos.X) <= metrics::kDoubleClickArea / 2 &&
                       std::abs(e.pos.Y - last.pos.Y) <= metrics::kDoubleClickArea / 2;
    // Client double clicks only for classes that ask; non-client ones always.
    const Window* w = LookUp(t.hwnd);
    const bool wanted = nonClient || (w && (w->windowClass.style & CS_DBLCLKS));
    if (again && wanted) {
        in.lastClick = {};
        return downMessage + kDoubleAfterDown;
    }
    in.lastClick = ClickRecord{t.hwnd, kind, e.pos, e.timeMs};
    return downMessage;
}

// The wheel scrolls what is under the pointer, focused or not; outside our
// windows (or held by the capture) it goes to the focus. A window disabled
// by a modal one hears nothing.
std::vector<MSG> Wheel(const BackendEvent& e)
{
    const InputState& in = Sys().input;
    const PointerTarget under = in.capture ? PointerTarget{} : FindPointerTarget(e.pos);
    if (under.blocked) return {};
    HWND target = under.hwnd;
    if (!LookUp(target)) target = in.focus ? in.focus : in.active;
    if (!LookUp(target)) return {};
    const WPARAM wp = MAKEWPARAM(WORD(MouseKeyState()), WORD(short(e.wheelDelta)));
    return {MSG{target, WM_MOUSEWHEEL, wp, PointToLParam(e.pos), e.timeMs, e.pos}};
}

}  // namespace

int ButtonVirtualKey(MouseButton b)
{
    switch (b) {
    case MouseButton::Right:
        return VK_RBUTTON;
    case MouseButton::Middle:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

WPARAM MouseKeyState()
{
    WPARAM mk = 0;
    if (GetKeyState(VK_LBUTTON) < 0) mk |= MK_LBUTTON;
    if (GetKeyState(VK_RBUTTON) < 0) mk |= MK_RBUTTON;
    if (GetKeyState(VK_MBUTTON) < 0) mk |= MK_MBUTTON;
    if (GetKeyState(VK_SHIFT) < 0) mk |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) mk |= MK_CONTROL;
    return mk;
}

std::vector<MSG> TranslatePointerEvent(const BackendEvent& e)
{
    InputState& in = Sys().input;
    in.modifiers = e.modifiers;
    using Type = BackendEvent::Type;
    if (e.type == Type::MouseDown) in.keys.Press(ButtonVirtualKey(e.button));
    if (e.type == Type::MouseUp) in.keys.Release(ButtonVirtualKey(e.button));
    if (e.type == Type::MouseWheel) return Wheel(e);

    const bool captured = in.capture && LookUp(in.capture);
    const PointerTarget t = captured ? PointerTarget{in.capture, HTCLIENT} : FindPointerTarget(e.pos);
    std::vector<MSG> out;
    if (auto leave = UpdateHover(t.hwnd, t.hitCode, e)) out.push_back(*leave);
    if (!t.hwnd) return out;
    const UINT down = DownMessage(e.button);
    const UINT current = e.type == Type::MouseMove ? WM_MOUSEMOVE : e.type == Type::MouseDown ? down : down + kUpAfterDown;
    if (!captured) {
        SendMessage(t.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(t.hwnd), MAKELPARAM(WORD(t.hitCode), WORD(current)));
        if (!LookUp(t.hwnd)) return out;
    }
    if (t.blocked) {
        // A window disabled by a modal one: the click only brings the modal one forward.
        if (e.type == Type::MouseDown) ActivateEnabledPopupOf(t.hwnd);
        return out;
    }
    switch (e.type) {
    case Type::MouseMove:
        out.push_back(MouseMessage(t, WM_MOUSEMOVE, e));
        break;
    case Type::MouseDown:
        if (!captured && ClickActivates(t, down)) break;
        out.push_back(MouseMessage(t, ClickMessage(t, down, e), e));
        break;
    default:
        out.push_back(MouseMessage(t, down + kUpAfterDown, e));
        break;
    }
    return out;
}

}  // namespace win

using namespace win;

UINT GetDoubleClickTime()
{
    return metrics::kDoubleClickTimeMs;
}
