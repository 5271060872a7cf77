// TrackMouseEvent: WM_MOUSELEAVE / WM_NCMOUSELEAVE once the pointer leaves
// the tracked window (or its non-client area); tracking must then be asked
// for again.

#include "platform/win/HitTest.h"
#include "platform/win/InputRouting.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"

namespace win {

namespace {

bool IsOver(const HoverState& hover, const LeaveTracking& tracking)
{
    if (hover.hwnd != tracking.hwnd) return false;
    return tracking.nonClient ? hover.hitCode != HTCLIENT : hover.hitCode == HTCLIENT;
}

UINT LeaveMessage(const LeaveTracking& tracking)
{
    return tracking.nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE;
}

}  // namespace

std::optional<MSG> UpdateHover(HWND hwnd, int hitCode, const BackendEvent& e)
{
    InputState& in = Sys().input;
    // Under capture every message names the capture window: what is really
    // under the pointer comes from geometry alone.
    const bool captured = in.capture && in.capture == hwnd;
    const PointerTarget under = captured ? WindowAtPoint(e.pos) : PointerTarget{hwnd, hitCode};
    in.hover = HoverState{under.hwnd, under.hitCode};
    if (!in.tracking.hwnd || IsOver(in.hover, in.tracking)) return std::nullopt;
    const LeaveTracking left = in.tracking;
    in.tracking = {};
    if (!LookUp(left.hwnd)) return std::nullopt;
    return MSG{left.hwnd, LeaveMessage(left), 0, 0, e.timeMs, e.pos};
}

}  // namespace win

using namespace win;

bool TrackMouseEvent(TRACKMOUSEEVENT& tme)
{
    InputState& in = Sys().input;
    if (tme.dwFlags & TME_QUERY) {
        tme.hwndTrack = in.tracking.hwnd;
        tme.dwFlags = in.tracking.hwnd ? (TME_LEAVE | (in.tracking.nonClient ? TME_NONCLIENT : 0u)) : 0u;
        return true;
    }
    if (!LookUp(tme.hwndTrack)) return false;
    const LeaveTracking asked{tme.hwndTrack, (tme.dwFlags & TME_NONCLIENT) != 0};
    if (tme.dwFlags & TME_CANCEL) {
        if ((tme.dwFlags & TME_LEAVE) && in.tracking.hwnd == asked.hwnd) in.tracking = {};
        return true;
    }
    // FIXME: TME_HOVER (WM_MOUSEHOVER) is not generated.
    if (!(tme.dwFlags & TME_LEAVE)) return true;
    if (IsOver(in.hover, asked))
        in.tracking = asked;
    else
        PostMessage(asked.hwnd, LeaveMessage(asked), 0, 0);
    return true;
}
