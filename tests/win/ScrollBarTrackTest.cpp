// Tracking presses on standard scroll bars: arrows, the track and the thumb
// send their WM_VSCROLL requests to the window itself.

#include "WindowTestHarness.h"

namespace wintest {
namespace {

class ScrollBarTrackTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_top = TopLevel({0, 0, 400, 400});
        // The list's bar lies at screen (94, 20)-(110, 220): arrows 16, track 168, thumb 16.
        m_list = Child(m_top, {10, 20, 110, 220}, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        info.nMax = 99;
        info.nPage = 10;
        SetScrollInfo(m_list, SB_VERT, info, true);
        // The list applies what it is asked, as a list box would.
        handler = [this](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
            if (h != m_list || m != WM_VSCROLL) return std::nullopt;
            requests.push_back({LOWORD(w), HIWORD(w)});
            SCROLLINFO track;
            track.fMask = SIF_TRACKPOS;
            GetScrollInfo(m_list, SB_VERT, track);
            trackPositions.push_back(track.nTrackPos);
            const int pos = GetScrollPos(m_list, SB_VERT);
            switch (LOWORD(w)) {
            case SB_LINEDOWN: SetScrollPos(m_list, SB_VERT, pos + 1, true); break;
            case SB_PAGEDOWN: SetScrollPos(m_list, SB_VERT, pos + 10, true); break;
            case SB_THUMBTRACK:
            case SB_THUMBPOSITION: SetScrollPos(m_list, SB_VERT, HIWORD(w), true); break;
            default: break;
            }
            if (releaseAfter > 0 && int(requests.size()) == releaseAfter) Desktop().InjectMouseUp(releaseAt);
            return 0;
        };
        Pump();
        log.clear();
    }
    struct Request {
        WORD code;
        WORD pos;
        bool operator==(const Request&) const = default;
    };
    HWND m_top = nullptr;
    HWND m_list = nullptr;
    std::vector<Request> requests;
    std::vector<int> trackPositions;
    int releaseAfter = 0;  // the list lets go of the button after this many requests
    TPoint releaseAt;
};

TEST_F(ScrollBarTrackTest, DraggingTheThumbTracksThenSetsThePosition)
{
    Desktop().InjectMouseDown({102, 44});  // inside the thumb (36..52 on screen)
    Desktop().InjectMouseMove({102, 64});
    Desktop().InjectMouseMove({130, 84});  // sideways does not matter
    Desktop().InjectMouseUp({130, 84});
    Pump();
    // 20 px of 152 free pixels for 90 positions: 12; 40 px: 24.
    EXPECT_EQ(requests, (std::vector<Request>{{SB_THUMBTRACK, 12}, {SB_THUMBTRACK, 24}, {SB_THUMBPOSITION, 24}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(trackPositions[0], 12) << "GetScrollInfo reports the track position during the drag";
    EXPECT_EQ(GetScrollPos(m_list, SB_VERT), 24);
    EXPECT_EQ(GetCapture(), nullptr);
    SCROLLBARINFO info;
    GetScrollBarInfo(m_list, OBJID_VSCROLL, info);
    EXPECT_EQ(info.rgstate[3] & STATE_SYSTEM_PRESSED, 0u);
}

TEST_F(ScrollBarTrackTest, AnArrowScrollsAtOnceThenRepeatsWhileHeld)
{
    releaseAt = {102, 210};
    releaseAfter = 4;
    Desktop().InjectMouseDown({102, 210});
    const DWORD start = GetTickCount();
    Pump();
    EXPECT_EQ(requests, (std::vector<Request>{{SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(GetTickCount() - start, 200u + 50u + 50u) << "a first delay, then the repeat rate, on the virtual clock";
    EXPECT_EQ(GetScrollPos(m_list, SB_VERT), 4);
}

// Lets go of the button a while after the press, from a timer the loop dispatches.
win::HeadlessBackend* g_releasingDesktop = nullptr;
TPoint g_releasePoint;
void ReleaseButton(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_releasingDesktop->InjectMouseUp(g_releasePoint);
}

TEST_F(ScrollBarTrackTest, PressingTheTrackPagesUntilTheThumbReachesThePointer)
{
    g_releasingDesktop = &Desktop();
    g_releasePoint = {102, 100};
    SetTimer(nullptr, 0, 2000, ReleaseButton);
    Desktop().InjectMouseDown({102, 100});
    Pump();
    // Positions 10, 20, 30: the thumb then covers y 67..83 of the bar, under the pointer at 80.
    EXPECT_EQ(requests, (std::vector<Request>{{SB_PAGEDOWN, 0}, {SB_PAGEDOWN, 0}, {SB_PAGEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    SCROLLBARINFO info;
    GetScrollBarInfo(m_list, OBJID_VSCROLL, info);
    EXPECT_EQ(info.xyThumbTop, 67);
}

TEST_F(ScrollBarTrackTest, AnUnavailableBarIgnoresPresses)
{
    EnableScrollBar(m_list, SB_VERT, ESB_DISABLE_BOTH);
    Desktop().InjectClick({102, 210});
    Pump();
    EXPECT_TRUE(requests.empty());
}

}  // namespace
}  // namespace wintest
