// Mouse routing: which window gets a press (z-order, shapes, HTTRANSPARENT,
// disabled windows, capture), as what message, double clicks, leave
// tracking, click activation, modal disabling, the wheel and dropped files.

#include "WindowTestHarness.h"

#include "platform/win/Gdi.h"

namespace wintest {
namespace {

class InputRoutingTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_top = TopLevel({0, 0, 300, 300});
        m_lower = Child(m_top, {10, 10, 110, 110});
        m_upper = Child(m_top, {60, 60, 160, 160});
        Pump();
        log.clear();
    }
    void Click(TPoint p)
    {
        Desktop().InjectClick(p);
        Pump();
    }
    [[nodiscard]] HWND PressedWindow() const
    {
        for (const Recorded& r : log)
            if (r.message == WM_LBUTTONDOWN || r.message == WM_NCLBUTTONDOWN) return r.hwnd;
        return nullptr;
    }
    HWND m_top = nullptr;
    HWND m_lower = nullptr;
    HWND m_upper = nullptr;
};

TEST_F(InputRoutingTest, ThePressGoesToTheTopmostSiblingUnderThePointer)
{
    Click({80, 80});
    EXPECT_EQ(PressedWindow(), m_upper);
    ASSERT_EQ(Received(m_upper, WM_LBUTTONDOWN).size(), 1u);
    const Recorded down = Received(m_upper, WM_LBUTTONDOWN)[0];
    EXPECT_EQ(LParamToPoint(down.lParam), Point(20, 20)) << "client coordinates";
    EXPECT_EQ(down.wParam, WPARAM(MK_LBUTTON));
    EXPECT_EQ(Received(m_upper, WM_LBUTTONUP)[0].wParam, 0u);
    EXPECT_EQ(WindowFromPoint({80, 80}), m_upper);
    EXPECT_EQ(WindowFromPoint({5, 5}), m_top);
    EXPECT_EQ(WindowFromPoint({900, 700}), GetDesktopWindow());
}

TEST_F(InputRoutingTest, ShapesLetThePointThroughToTheWindowBelow)
{
    SetWindowRgn(m_upper, CreateRectRgn(50, 50, 100, 100), false);
    Click({80, 80});
    EXPECT_EQ(PressedWindow(), m_lower);
}

TEST_F(InputRoutingTest, HtTransparentHandsThePointToTheNextWindowBelow)
{
    handler = [this](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (h == m_upper && m == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    };
    Click({80, 80});
    EXPECT_EQ(PressedWindow(), m_lower);
    log.clear();
    Click({150, 150});
    EXPECT_EQ(PressedWindow(), m_top) << "with no sibling below, the parent";
}

TEST_F(InputRoutingTest, DisabledChildrenLetThePressThrough)
{
    EnableWindow(m_upper, false);
    Click({80, 80});
    EXPECT_EQ(PressedWindow(), m_lower);
    EXPECT_TRUE(Received(m_upper, WM_NCHITTEST).empty());
}

TEST_F(InputRoutingTest, NonClientPressesCarryTheHitCodeAndScreenPoint)
{
    const HWND framed = Child(m_top, {200, 200, 250, 250}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    Pump();
    log.clear();
    Click({200, 220});
    ASSERT_EQ(Received(framed, WM_NCLBUTTONDOWN).size(), 1u);
    const Recorded down = Received(framed, WM_NCLBUTTONDOWN)[0];
    EXPECT_EQ(down.wParam, WPARAM(HTBORDER));
    EXPECT_EQ(LParamToPoint(down.lParam), Point(200, 220));
}

TEST_F(InputRoutingTest, SetCursorComesBeforeEachMove)
{
    Desktop().InjectMouseMove({20, 20});
    Pump();
    EXPECT_TRUE(FollowsTable(log, {{m_lower, WM_NCHITTEST}, {m_lower, WM_SETCURSOR}, {m_top, WM_SETCURSOR}, {m_lower, WM_MOUSEMOVE}}))
        << "the parent gets its say on the cursor first";
    const Recorded setCursor = Received(m_lower, WM_SETCURSOR)[0];
    EXPECT_EQ(reinterpret_cast<HWND>(setCursor.wParam), m_lower);
    EXPECT_EQ(setCursor.lParam, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

TEST_F(InputRoutingTest, CaptureTakesEveryMouseMessage)
{
    SetCapture(m_lower);
    EXPECT_TRUE(Desktop().MouseCaptured());
    Click({150, 150});
    EXPECT_EQ(PressedWindow(), m_lower);
    EXPECT_EQ(LParamToPoint(Received(m_lower, WM_LBUTTONDOWN)[0].lParam), Point(140, 140));
    EXPECT_TRUE(Received(m_upper, WM_NCHITTEST).empty()) << "no hit testing under capture";
    log.clear();
    SetCapture(m_upper);
    ASSERT_EQ(Received(m_lower, WM_CAPTURECHANGED).size(), 1u);
    EXPECT_EQ(Received(m_lower, WM_CAPTURECHANGED)[0].lParam, reinterpret_cast<LPARAM>(m_upper));
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Desktop().MouseCaptured());
    EXPECT_EQ(Received(m_upper, WM_CAPTURECHANGED).size(), 1u);
}

class DoubleClickTest : public InputRoutingTest {
protected:
    std::vector<UINT> Presses(HWND hwnd) const { return MessagesOf(hwnd, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}); }
};

TEST_F(DoubleClickTest, OnlyClassesThatAskGetDoubleClicks)
{
    const HWND asks = Child(m_top, {200, 0, 250, 50}, WS_CHILD | WS_VISIBLE, 0, "DoubleClicker");
    Pump();
    Click({210, 10});
    Click({211, 11});
    EXPECT_EQ(Presses(asks), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
    Click({20, 20});
    Click({20, 20});
    EXPECT_EQ(Presses(m_lower), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(DoubleClickTest, TooLateOrTooFarIsASecondClick)
{
    const HWND asks = Child(m_top, {200, 0, 250, 50}, WS_CHILD | WS_VISIBLE, 0, "DoubleClicker");
    Pump();
    Click({210, 10});
    Desktop().AdvanceClock(GetDoubleClickTime() + 1);
    Click({210, 10});
    Click({215, 10});
    Click({215, 10});
    Click({215, 10});
    EXPECT_EQ(Presses(asks), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK,
                                                WM_LBUTTONDOWN}))
        << "after a double click the next press starts again";
}

TEST_F(InputRoutingTest, LeaveTrackingTellsOnceWhenThePointerLeaves)
{
    Desktop().InjectMouseMove({20, 20});
    Pump();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = m_lower;
    EXPECT_TRUE(TrackMouseEvent(tme));
    TRACKMOUSEEVENT query;
    query.dwFlags = TME_QUERY;
    TrackMouseEvent(query);
    EXPECT_EQ(query.hwndTrack, m_lower);
    Desktop().InjectMouseMove({30, 30});
    Pump();
    EXPECT_TRUE(Received(m_lower, WM_MOUSELEAVE).empty());
    log.clear();
    Desktop().InjectMouseMove({80, 80});
    Desktop().InjectMouseMove({20, 20});
    Desktop().InjectMouseMove({80, 80});
    Pump();
    EXPECT_EQ(Received(m_lower, WM_MOUSELEAVE).size(), 1u) << "tracking has to be asked for again";
    EXPECT_TRUE(FollowsTable(log, {{m_lower, WM_MOUSELEAVE},
                                   {m_upper, WM_MOUSEMOVE},
                                   {m_lower, WM_MOUSEMOVE},
                                   {m_upper, WM_MOUSEMOVE}}));
}

TEST_F(InputRoutingTest, TrackingAWindowThePointerIsNotOverLeavesAtOnce)
{
    Desktop().InjectMouseMove({20, 20});
    Pump();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = m_upper;
    TrackMouseEvent(tme);
    Pump();
    EXPECT_EQ(Received(m_upper, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(InputRoutingTest, NonClientLeaveTracking)
{
    const HWND framed = Child(m_top, {200, 200, 250, 250}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    Desktop().InjectMouseMove({200, 210});
    Pump();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE | TME_NONCLIENT;
    tme.hwndTrack = framed;
    TrackMouseEvent(tme);
    Desktop().InjectMouseMove({210, 210});
    Pump();
    EXPECT_EQ(Received(framed, WM_NCMOUSELEAVE).size(), 1u) << "into the client area leaves the frame";
}

class ActivationByClickTest : public WindowTest {};

TEST_F(ActivationByClickTest, APressActivatesItsTopLevelWindowFirst)
{
    const HWND first = TopLevel({0, 0, 100, 100});
    const HWND second = TopLevel({200, 0, 300, 100});
    Pump();
    ASSERT_EQ(GetActiveWindow(), second);
    log.clear();
    Desktop().InjectClick({50, 50});
    Pump();
    EXPECT_TRUE(FollowsTable(log, {{first, WM_MOUSEACTIVATE},
                                   {second, WM_ACTIVATE},
                                   {first, WM_ACTIVATE},
                                   {first, WM_LBUTTONDOWN}}));
    EXPECT_EQ(LOWORD(Received(first, WM_ACTIVATE)[0].wParam), WA_CLICKACTIVE);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(Desktop().FocusedWindow(), first) << "the desktop's focus follows";
}

TEST_F(ActivationByClickTest, ActivateAndEatSwallowsThePress)
{
    const HWND first = TopLevel({0, 0, 100, 100});
    TopLevel({200, 0, 300, 100});
    Pump();
    handler = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MOUSEACTIVATE) return MA_ACTIVATEANDEAT;
        return std::nullopt;
    };
    log.clear();
    Desktop().InjectClick({50, 50});
    Pump();
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_TRUE(Received(first, WM_LBUTTONDOWN).empty());
}

TEST_F(ActivationByClickTest, AWindowDisabledByAModalOneOnlyBringsTheModalOneForward)
{
    const HWND owner = TopLevel({0, 0, 300, 300});
    const HWND dialog = TopLevel({400, 0, 500, 100}, WS_POPUP | WS_VISIBLE, 0, owner);
    EnableWindow(owner, false);
    const HWND other = TopLevel({600, 0, 700, 100});
    Pump();
    ASSERT_EQ(GetActiveWindow(), other);
    log.clear();
    Desktop().InjectClick({50, 50});
    Pump();
    EXPECT_TRUE(MessagesOf(owner, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSEACTIVATE}).empty());
    EXPECT_EQ(GetActiveWindow(), dialog);
}

TEST_F(ActivationByClickTest, PopUpsTakeClicksButNeverTheActivation)
{
    const HWND form = TopLevel({0, 0, 300, 300});
    const HWND menu = CreateWindowEx(WS_EX_TOOLWINDOW, "Recorder", "", WS_POPUP, 50, 50, 100, 100, form, nullptr, nullptr);
    ShowWindow(menu, SW_SHOWNA);
    Pump();
    ASSERT_EQ(GetActiveWindow(), form);
    log.clear();
    Desktop().InjectClick({60, 60});
    Pump();
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(Received(menu, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(Received(form, WM_ACTIVATE).empty());
    EXPECT_EQ(Desktop().NativeWindow(menu)->desc.kind, win::NativeKind::Popup);
    SetActiveWindow(menu);
    EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(InputRoutingTest, TheWheelGoesToTheWindowUnderThePointerAndUpToItsParent)
{
    SetFocus(m_upper);
    log.clear();
    Desktop().InjectMouseWheel({30, 40}, -WHEEL_DELTA);
    Pump();
    ASSERT_EQ(Received(m_lower, WM_MOUSEWHEEL).size(), 1u);
    const Recorded wheel = Received(m_lower, WM_MOUSEWHEEL)[0];
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel.wParam), -WHEEL_DELTA);
    EXPECT_EQ(LParamToPoint(wheel.lParam), Point(30, 40)) << "screen coordinates";
    EXPECT_TRUE(Received(m_upper, WM_MOUSEWHEEL).empty()) << "the focus is elsewhere";
    EXPECT_EQ(Received(m_top, WM_MOUSEWHEEL).size(), 1u) << "DefWindowProc hands it to the parent";
}

TEST_F(InputRoutingTest, ARightClickAsksForAContextMenuUpTheTree)
{
    Desktop().InjectClick({20, 20}, win::MouseButton::Right);
    Pump();
    ASSERT_EQ(Received(m_lower, WM_CONTEXTMENU).size(), 1u);
    EXPECT_EQ(LParamToPoint(Received(m_lower, WM_CONTEXTMENU)[0].lParam), Point(20, 20));
    ASSERT_EQ(Received(m_top, WM_CONTEXTMENU).size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(Received(m_top, WM_CONTEXTMENU)[0].wParam), m_lower);
}

TEST_F(InputRoutingTest, DroppedFilesGoToTheNearestWindowThatAcceptsThem)
{
    DragAcceptFiles(m_top, true);
    std::vector<std::string> got;
    handler = [&](HWND h, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DROPFILES && h == m_top) got = *reinterpret_cast<const std::vector<std::string>*>(w);
        return std::nullopt;
    };
    Desktop().InjectFilesDropped(m_top, {20, 20}, {"/tmp/a.exe", "/tmp/б.exe"});
    Pump();
    EXPECT_EQ(got, (std::vector<std::string>{"/tmp/a.exe", "/tmp/б.exe"}));
    EXPECT_TRUE(Received(m_lower, WM_DROPFILES).empty());
    DragAcceptFiles(m_top, false);
    got.clear();
    Desktop().InjectFilesDropped(m_top, {20, 20}, {"/tmp/c.exe"});
    Pump();
    EXPECT_TRUE(got.empty());
}

TEST_F(InputRoutingTest, DestroyingTheCaptureWindowReleasesTheCapture)
{
    SetCapture(m_upper);
    DestroyWindow(m_upper);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Desktop().MouseCaptured());
    Click({80, 80});
    EXPECT_EQ(PressedWindow(), m_lower);
}

}  // namespace
}  // namespace wintest
