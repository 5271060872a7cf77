// Tracking a press on a standard scroll bar until the button is released.
//
//   pressed on     at once             while held                      on release
//   an arrow       SB_LINEUP/DOWN      repeats (after a delay) while   SB_ENDSCROLL
//                                      the pointer stays on it
//   the track      SB_PAGEUP/DOWN      repeats until the thumb         SB_ENDSCROLL
//                                      reaches the pointer
//   the thumb      -                   SB_THUMBTRACK at each new       SB_THUMBPOSITION,
//                                      position                        SB_ENDSCROLL
//
// Notifications go to the window itself as WM_VSCROLL / WM_HSCROLL; its
// procedure applies the position with SetScrollInfo.

#include "platform/win/NonClientScrollBar.h"
#include "platform/win/TrackingLoop.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowSystemImpl.h"
#include "platform/win/WindowTree.h"

namespace win {

namespace {

constexpr UINT_PTR kRepeatTimerId = 0xFFFA;  // the system's own scroll timer
constexpr UINT kFirstRepeatMs = 200;         // ms before the first repeat
constexpr UINT kRepeatMs = 50;               // ms between repeats

WORD RequestFor(ScrollBarPart part)
{
    switch (part) {
    case ScrollBarPart::LineUp:
        return SB_LINEUP;
    case ScrollBarPart::LineDown:
        return SB_LINEDOWN;
    case ScrollBarPart::PageUp:
        return SB_PAGEUP;
    default:
        return SB_PAGEDOWN;
    }
}

class ScrollBarTracker {
public:
    ScrollBarTracker(HWND hwnd, int bar, ScrollBarPart part, TPoint pointer)
        : m_hwnd(hwnd), m_bar(bar), m_message(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL), m_part(part),
          m_pointer(pointer)
    {
    }

    void Run()
    {
        SetCapture(m_hwnd);
        // Taking the capture tells its old holder, which may do anything.
        if (!State()) return;
        SetPressed(m_part);
        if (m_part == ScrollBarPart::Thumb) {
            ScrollBarState& s = *State();
            s.tracking = true;
            s.info.nTrackPos = s.info.nPos;
            m_grab = Along(m_pointer) - ThumbStart(Layout());
        } else {
            Notify(RequestFor(m_part), 0);
            SetTimer(m_hwnd, kRepeatTimerId, kFirstRepeatMs, nullptr);
        }
        MSG msg;
        while (NextTrackingMessage(m_hwnd, msg)) {
            if (msg.message == WM_LBUTTONUP) break;
            if (msg.message == WM_MOUSEMOVE && msg.hwnd == m_hwnd)
                Follow(msg.pt);
            else if (msg.message == WM_TIMER && msg.hwnd == m_hwnd && msg.wParam == kRepeatTimerId)
                Repeat();
            else {
                TranslateMessage(msg);
                DispatchMessage(msg);
            }
        }
        Finish();
    }

private:
    [[nodiscard]] ScrollBarState* State() const
    {
        Window* w = LookUp(m_hwnd);
        return w ? BarState(*w, m_bar) : nullptr;
    }
    [[nodiscard]] ScrollBarLayout Layout() const { return LayoutBar(*LookUp(m_hwnd), m_bar); }
    // The screen point in window coordinates, along the bar.
    [[nodiscard]] int Along(TPoint screen) const
    {
        const TPoint p = screen - ScreenOrigin(*LookUp(m_hwnd));
        return m_bar == SB_VERT ? p.Y : p.X;
    }
    [[nodiscard]] ScrollBarPart PartUnder(TPoint screen) const
    {
        return HitScrollBar(Layout(), screen - ScreenOrigin(*LookUp(m_hwnd)));
    }

    void Notify(WORD code, int pos) { SendMessage(m_hwnd, m_message, MAKEWPARAM(code, WORD(pos)), 0); }

    void SetPressed(ScrollBarPart part)
    {
        ScrollBarState* s = State();
        if (!s || s->pressed == part) return;
        s->pressed = part;
        RedrawBars(m_hwnd);
    }

    void Follow(TPoint pointer)
    {
        m_pointer = pointer;
        if (!LookUp(m_hwnd)) return;
        if (m_part != ScrollBarPart::Thumb) {
            SetPressed(PartUnder(pointer) == m_part ? m_part : ScrollBarPart::None);
            return;
        }
        ScrollBarState& s = *State();
        const int pos = PositionForThumbAt(Layout(), s.info, Along(pointer) - m_grab);
        if (pos == s.info.nTrackPos) return;
        s.info.nTrackPos = pos;
        RedrawBars(m_hwnd);
        Notify(SB_THUMBTRACK, pos);
    }

    void Repeat()
    {
        SetTimer(m_hwnd, kRepeatTimerId, kRepeatMs, nullptr);
        if (PartUnder(m_pointer) == m_part) Notify(RequestFor(m_part), 0);
    }

    void Finish()
    {
        KillTimer(m_hwnd, kRepeatTimerId);
        if (!LookUp(m_hwnd)) return;
        if (m_part == ScrollBarPart::Thumb) {
            Notify(SB_THUMBPOSITION, State() ? State()->info.nTrackPos : 0);
            if (ScrollBarState* s = State()) {
                s->tracking = false;
                RedrawBars(m_hwnd);
            }
        }
        SetPressed(ScrollBarPart::None);
        Notify(SB_ENDSCROLL, 0);
        if (GetCapture() == m_hwnd) ReleaseCapture();
    }

    HWND m_hwnd = nullptr;
    int m_bar = SB_VERT;
    UINT m_message = WM_VSCROLL;
    ScrollBarPart m_part = ScrollBarPart::None;
    TPoint m_pointer;  // screen
    int m_grab = 0;    // px from the thumb's start to the pointer, along the bar
};

}  // namespace

void TrackScrollBar(HWND hwnd, int bar, TPoint screen)
{
    Window* w = LookUp(hwnd);
    const ScrollBarState* s = w ? BarState(*w, bar) : nullptr;
    if (!s || IsBarUnavailable(*s) || GetKeyState(VK_LBUTTON) >= 0) return;
    const ScrollBarPart part = HitScrollBar(LayoutBar(*w, bar), screen - ScreenOrigin(*w));
    if (part == ScrollBarPart::None || IsArrowDisabled(*s, part)) return;
    ScrollBarTracker(hwnd, bar, part, screen).Run();
}

}  // namespace win
