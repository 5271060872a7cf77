#include "platform/win/backends/sdl/X11PointerFeed.h"

// Xlib after our headers: its macros must not reach them.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/extensions/XInput2.h>

#include <cmath>

namespace win {

namespace {

KeyModifiers ModifiersOf(unsigned state)
{
    return {(state & ShiftMask) != 0, (state & ControlMask) != 0, (state & Mod1Mask) != 0};
}

std::optional<X11PointerEvent> FromCore(const XEvent& e)
{
    X11PointerEvent out;
    switch (e.type) {
    case MotionNotify:
        out.kind = X11PointerEvent::Kind::Move;
        out.window = e.xmotion.window;
        out.root = {e.xmotion.x_root, e.xmotion.y_root};
        out.modifiers = ModifiersOf(e.xmotion.state);
        return out;
    case ButtonPress:
    case ButtonRelease:
        out.kind = e.type == ButtonPress ? X11PointerEvent::Kind::Press : X11PointerEvent::Kind::Release;
        out.window = e.xbutton.window;
        out.root = {e.xbutton.x_root, e.xbutton.y_root};
        out.button = e.xbutton.button;
        out.modifiers = ModifiersOf(e.xbutton.state);
        return out;
    case EnterNotify:
    case LeaveNotify:
        out.kind = X11PointerEvent::Kind::Crossing;
        out.window = e.xcrossing.window;
        out.root = {e.xcrossing.x_root, e.xcrossing.y_root};
        out.modifiers = ModifiersOf(e.xcrossing.state);
        return out;
    default:
        return std::nullopt;
    }
}

// evtype comes from the cookie: raw events carry a smaller structure.
std::optional<X11PointerEvent> FromXInput(int evtype, const void* data)
{
    X11PointerEvent out;
    switch (evtype) {
    case XI_Motion:
        out.kind = X11PointerEvent::Kind::Move;
        break;
    case XI_ButtonPress:
        out.kind = X11PointerEvent::Kind::Press;
        break;
    case XI_ButtonRelease:
        out.kind = X11PointerEvent::Kind::Release;
        break;
    default:
        return std::nullopt;
    }
    const auto& d = *static_cast<const XIDeviceEvent*>(data);
    // Pointer moves made up from touches are the touch's business.
    if (d.flags & XIPointerEmulated) return std::nullopt;
    out.window = d.event;
    out.root = {int(std::floor(d.root_x)), int(std::floor(d.root_y))};
    out.button = out.kind == X11PointerEvent::Kind::Move ? 0 : unsigned(d.detail);
    out.modifiers = ModifiersOf(unsigned(d.mods.effective));
    return out;
}

}  // namespace

X11PointerFeed::X11PointerFeed()
{
    SDL_AddEventWatch(&X11PointerFeed::Watch, this);
}

X11PointerFeed::~X11PointerFeed()
{
    SDL_DelEventWatch(&X11PointerFeed::Watch, this);
}

int X11PointerFeed::Watch(void* self, SDL_Event* event)
{
    if (event->type == SDL_SYSWMEVENT && event->syswm.msg && event->syswm.msg->subsystem == SDL_SYSWM_X11)
        static_cast<X11PointerFeed*>(self)->Decode(*event->syswm.msg);
    return 1;
}

void X11PointerFeed::Decode(const SDL_SysWMmsg& message)
{
    const XEvent& e = message.msg.x11.event;
    Pending p{e.xany.serial, e.type, std::nullopt};
    if (e.type == GenericEvent) {
        const XGenericEventCookie& cookie = e.xcookie;
        if (m_xinputOpcode < 0) {
            int event = 0;
            int error = 0;
            if (!XQueryExtension(cookie.display, "XInputExtension", &m_xinputOpcode, &event, &error)) m_xinputOpcode = 0;
        }
        if (cookie.extension == m_xinputOpcode && cookie.data)
            p.pointer = FromXInput(cookie.evtype, cookie.data);
    } else {
        p.pointer = FromCore(e);
    }
    if (m_pending.size() == kMaxPending) m_pending.pop_front();
    m_pending.push_back(p);
}

std::optional<X11PointerEvent> X11PointerFeed::Take(const SDL_SysWMmsg* message)
{
    if (!message || message->subsystem != SDL_SYSWM_X11) return std::nullopt;
    const XEvent& e = message->msg.x11.event;
    // Every watched event was queued in order; entries of events SDL could
    // not queue are passed over.
    while (!m_pending.empty()) {
        const Pending front = m_pending.front();
        m_pending.pop_front();
        if (front.serial == e.xany.serial && front.type == e.type) return front.pointer;
    }
    return std::nullopt;
}

}  // namespace win
