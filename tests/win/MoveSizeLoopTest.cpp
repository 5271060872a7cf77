// The move and size loops: a borderless window follows the pointer after a
// press on its caption or a sizing edge, within its track sizes, and Escape
// puts it back.

#include "WindowTestHarness.h"

namespace wintest {
namespace {

class MoveSizeLoopTest : public WindowTest {
protected:
    void SetUp() override
    {
        // A skinned form: borderless, with its own caption band and sizing corner.
        handler = [this](HWND h, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
            if (h == m_form && m == WM_NCHITTEST) {
                RECT r;
                GetWindowRect(h, r);
                const TPoint p = LParamToPoint(l) - r.TopLeft();
                if (p.X >= r.Width() - 8 && p.Y >= r.Height() - 8) return HTBOTTOMRIGHT;
                if (p.X < 4) return HTLEFT;
                if (p.Y < 20) return HTCAPTION;
            }
            if (h == m_form && m == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = {150, 120};
            return std::nullopt;
        };
        m_form = TopLevel({100, 100, 400, 300});
        Pump();
        log.clear();
    }
    void Drag(TPoint from, std::initializer_list<TPoint> through)
    {
        Desktop().InjectMouseMove(from);
        Desktop().InjectMouseDown(from);
        TPoint last = from;
        for (TPoint p : through) {
            Desktop().InjectMouseMove(p);
            last = p;
        }
        Desktop().InjectMouseUp(last);
        Pump();
    }
    [[nodiscard]] RECT FormRect() const
    {
        RECT r;
        GetWindowRect(m_form, r);
        return r;
    }
    HWND m_form = nullptr;
};

TEST_F(MoveSizeLoopTest, ThePressOnTheCaptionMovesTheWindowByThePointersTravel)
{
    Drag({150, 110}, {{170, 130}, {230, 160}});
    EXPECT_EQ(FormRect(), Rect(180, 150, 480, 350));
    EXPECT_EQ(Desktop().NativeWindow(m_form)->desc.bounds, Rect(180, 150, 480, 350));
    EXPECT_TRUE(FollowsTable(log, {{m_form, WM_NCLBUTTONDOWN},
                                   {m_form, WM_SYSCOMMAND},
                                   {m_form, WM_ENTERSIZEMOVE},
                                   {m_form, WM_MOVING},
                                   {m_form, WM_MOVING},
                                   {m_form, WM_CAPTURECHANGED},
                                   {m_form, WM_EXITSIZEMOVE}}));
    EXPECT_EQ(Received(m_form, WM_SYSCOMMAND)[0].wParam, WPARAM(WPARAM(SC_MOVE) + HTCAPTION));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MoveSizeLoopTest, ThePointerIsFollowedBeyondTheWindow)
{
    Drag({150, 110}, {{900, 700}});
    EXPECT_EQ(FormRect(), Rect(850, 690, 1150, 890));
}

TEST_F(MoveSizeLoopTest, SizingFromTheCornerKeepsTheMinimumTrackSize)
{
    Drag({396, 296}, {{456, 316}});
    EXPECT_EQ(FormRect(), Rect(100, 100, 460, 320));
    ASSERT_FALSE(Received(m_form, WM_SIZING).empty());
    EXPECT_EQ(Received(m_form, WM_SIZING)[0].wParam, WPARAM(WMSZ_BOTTOMRIGHT));
    log.clear();
    Drag({456, 316}, {{120, 120}});
    EXPECT_EQ(FormRect(), Rect(100, 100, 250, 220)) << "never below 150 x 120";
    EXPECT_EQ(Received(m_form, WM_SIZE).back().lParam, MAKELPARAM(150, 120));
}

TEST_F(MoveSizeLoopTest, SizingFromTheLeftEdgeKeepsTheRightEdge)
{
    Drag({101, 200}, {{61, 200}});
    EXPECT_EQ(FormRect(), Rect(60, 100, 400, 300));
    Drag({61, 200}, {{350, 200}});
    EXPECT_EQ(FormRect(), Rect(250, 100, 400, 300));
}

TEST_F(MoveSizeLoopTest, EscapePutsTheWindowBack)
{
    Desktop().InjectMouseDown({150, 110});
    Desktop().InjectMouseMove({250, 210});
    Desktop().InjectKeyDown(VK_ESCAPE);
    Desktop().InjectMouseUp({250, 210});
    Pump();
    EXPECT_EQ(FormRect(), Rect(100, 100, 400, 300));
}

TEST_F(MoveSizeLoopTest, OtherMessagesKeepBeingDispatchedDuringTheLoop)
{
    const auto skin = handler;
    handler = [&](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (h == m_form && m == WM_ENTERSIZEMOVE) PostMessage(h, WM_USER, 0, 0);
        return skin(h, m, w, l);
    };
    Drag({150, 110}, {{160, 120}});
    EXPECT_TRUE(FollowsTable(log, {{m_form, WM_ENTERSIZEMOVE}, {m_form, WM_USER}, {m_form, WM_EXITSIZEMOVE}}));
}

TEST_F(MoveSizeLoopTest, TheSkinsCaptionTrickStartsTheLoopFromAClientPress)
{
    const HWND titleBar = Child(m_form, {0, 20, 300, 40});
    const auto skin = handler;
    handler = [&](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (h == titleBar && m == WM_LBUTTONDOWN) {
            ReleaseCapture();
            SendMessage(m_form, WM_SYSCOMMAND, WPARAM(SC_MOVE) + HTCAPTION, 0);
            return 0;
        }
        return skin(h, m, w, l);
    };
    Pump();
    Drag({150, 130}, {{160, 150}});
    EXPECT_EQ(FormRect(), Rect(110, 120, 410, 320));
}

TEST_F(MoveSizeLoopTest, NoLoopWithoutAHeldButton)
{
    SendMessage(m_form, WM_SYSCOMMAND, WPARAM(SC_MOVE) + HTCAPTION, 0);
    EXPECT_TRUE(Received(m_form, WM_ENTERSIZEMOVE).empty());
}

TEST_F(MoveSizeLoopTest, ChildWindowsMoveInTheirParent)
{
    const HWND panel = Child(m_form, {10, 30, 110, 130});
    const auto skin = handler;
    handler = [&](HWND h, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (h == panel && m == WM_NCHITTEST) return HTCAPTION;
        return skin(h, m, w, l);
    };
    Pump();
    Drag({150, 170}, {{170, 180}});
    RECT r;
    GetWindowRect(panel, r);
    EXPECT_EQ(r, Rect(130, 140, 230, 240));
    EXPECT_EQ(LParamToPoint(Received(panel, WM_MOVE).back().lParam), Point(30, 40));
}

}  // namespace
}  // namespace wintest
