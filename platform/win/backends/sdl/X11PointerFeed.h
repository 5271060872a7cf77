#pragma once
// Pointer input read from the X events SDL passes on as SDL_SYSWMEVENT.
// SDL's own mouse events are not used: SDL_GetGlobalMouseState goes stale
// while a button is held, and SDL drops motion whose window-relative
// position did not change (a window moving under a still pointer, as in our
// move loops). The X events carry root coordinates.
//
// SDL 2.26 takes plain pointer motion from XInput2 (XI_Motion) and the rest
// (buttons, motion during a grab) from core events. An XInput2 event's data
// lives only while SDL handles it, so the feed watches events as SDL pushes
// them, decodes them at once and hands the result over when the queued
// SDL_SYSWMEVENT comes by.

#include "platform/win/Backend.h"

#include <deque>
#include <optional>

struct SDL_SysWMmsg;
union SDL_Event;

namespace win {

struct X11PointerEvent {
    enum class Kind {
        Move,
        Press,
        Release,
        Crossing,  // entered or left a window: the position only
    };
    Kind kind = Kind::Move;
    unsigned long window = 0;  // the X window the event was reported on
    TPoint root;
    unsigned button = 0;  // X button number (1 left, 2 middle, 3 right, 4/5 wheel)
    KeyModifiers modifiers;
};

class X11PointerFeed {
public:
    static constexpr std::size_t kMaxPending = 4096;  // decoded events waiting for their SDL event

    X11PointerFeed();  // starts watching SDL's events
    ~X11PointerFeed();
    X11PointerFeed(const X11PointerFeed&) = delete;
    X11PointerFeed& operator=(const X11PointerFeed&) = delete;

    // The pointer event a queued SDL_SYSWMEVENT carries, if it is one.
    [[nodiscard]] std::optional<X11PointerEvent> Take(const SDL_SysWMmsg* message);

private:
    static int Watch(void* self, SDL_Event* event);
    void Decode(const SDL_SysWMmsg& message);

    struct Pending {
        unsigned long serial = 0;  // of the X event, to pair it with its SDL event
        int type = 0;
        std::optional<X11PointerEvent> pointer;
    };
    std::deque<Pending> m_pending;
    int m_xinputOpcode = -1;  // -1 while not yet asked, 0 when the server has no XInput
};

}  // namespace win
