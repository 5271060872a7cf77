// DefWindowProc's defaults: hit testing of the standard frame, cursors,
// system commands and show states, closing, and the desktop's requests.

#include "WindowTestHarness.h"

#include "platform/win/Gdi.h"

namespace wintest {
namespace {

class DefWindowProcTest : public WindowTest {
protected:
    void SetUp() override
    {
        m_top = TopLevel({0, 0, 400, 400});
        Pump();
        log.clear();
    }
    HWND m_top = nullptr;
};

struct HitCase {
    DWORD style;
    DWORD exStyle;
    TPoint point;  // window coordinates of a 100 x 100 child at (50, 50)
    int expected;
};

class DefaultHitTest : public DefWindowProcTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(DefaultHitTest, FindsThePartUnderThePoint)
{
    const HitCase& c = GetParam();
    const HWND child = Child(m_top, {50, 50, 150, 150}, WS_CHILD | WS_VISIBLE | c.style, c.exStyle);
    const TPoint screen = c.point + Point(50, 50);
    EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, PointToLParam(screen)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, DefaultHitTest,
    ::testing::Values(HitCase{0, 0, {50, 50}, HTCLIENT}, HitCase{0, 0, {100, 50}, HTNOWHERE},
                      HitCase{WS_BORDER, 0, {0, 50}, HTBORDER}, HitCase{0, WS_EX_CLIENTEDGE, {1, 50}, HTBORDER},
                      HitCase{WS_VSCROLL, 0, {90, 50}, HTVSCROLL}, HitCase{WS_HSCROLL, 0, {50, 90}, HTHSCROLL},
                      HitCase{WS_THICKFRAME, 0, {0, 50}, HTLEFT}, HitCase{WS_THICKFRAME, 0, {99, 50}, HTRIGHT},
                      HitCase{WS_THICKFRAME, 0, {50, 0}, HTTOP}, HitCase{WS_THICKFRAME, 0, {50, 99}, HTBOTTOM},
                      HitCase{WS_THICKFRAME, 0, {0, 0}, HTTOPLEFT}, HitCase{WS_THICKFRAME, 0, {2, 90}, HTBOTTOMLEFT},
                      HitCase{WS_THICKFRAME, 0, {99, 99}, HTBOTTOMRIGHT}, HitCase{WS_THICKFRAME, 0, {95, 3}, HTTOPRIGHT},
                      // No caption of ours anywhere: the desktop draws captions.
                      HitCase{WS_CAPTION, 0, {50, 2}, HTBORDER}));

TEST_F(DefWindowProcTest, ShapedWindowsAreNowhereOutsideTheirShape)
{
    const HWND child = Child(m_top, {0, 0, 100, 100});
    SetWindowRgn(child, CreateEllipticRgn(0, 0, 101, 101), false);
    EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, PointToLParam({1, 1})), HTNOWHERE);
    EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, PointToLParam({50, 50})), HTCLIENT);
}

TEST_F(DefWindowProcTest, CursorsComeFromTheClassAndTheSizingEdges)
{
    WNDCLASS wc;
    wc.lpszClassName = "Text";
    wc.hCursor = LoadCursor(nullptr, IDC_IBEAM);
    RegisterClass(wc);
    Child(m_top, {10, 10, 110, 40}, WS_CHILD | WS_VISIBLE, 0, "Text");
    Child(m_top, {200, 200, 300, 300}, WS_CHILD | WS_VISIBLE | WS_THICKFRAME);
    Desktop().InjectMouseMove({50, 20});
    Pump();
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_IBEAM);
    Desktop().InjectMouseMove({201, 250});
    Pump();
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_SIZEWE);
    Desktop().InjectMouseMove({299, 299});
    Pump();
    EXPECT_EQ(Desktop().CurrentCursorShape(), IDC_SIZENWSE);
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZENWSE));
}

TEST_F(DefWindowProcTest, TheDesktopsCloseRunsThroughSysCommandAndClose)
{
    Desktop().InjectCloseRequest(m_top);
    Pump();
    EXPECT_TRUE(FollowsTable(log, {{m_top, WM_SYSCOMMAND}, {m_top, WM_CLOSE}, {m_top, WM_DESTROY}}));
    EXPECT_EQ(Received(m_top, WM_SYSCOMMAND)[0].wParam, WPARAM(SC_CLOSE));
    EXPECT_FALSE(IsWindow(m_top));
}

TEST_F(DefWindowProcTest, AWindowThatRefusesToCloseStays)
{
    handler = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CLOSE) return 0;
        return std::nullopt;
    };
    Desktop().InjectCloseRequest(m_top);
    Pump();
    EXPECT_TRUE(IsWindow(m_top));
}

TEST_F(DefWindowProcTest, MaximiseFillsTheWorkAreaAndRestoreComesBack)
{
    const HWND form = TopLevel({100, 100, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Pump();
    log.clear();
    SendMessage(form, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(form));
    RECT r;
    GetWindowRect(form, r);
    EXPECT_EQ(r, Rect(0, 0, 1280, 760));
    ASSERT_FALSE(Received(form, WM_SIZE).empty());
    EXPECT_EQ(Received(form, WM_SIZE).back().wParam, WPARAM(SIZE_MAXIMIZED));
    EXPECT_FALSE(Received(form, WM_GETMINMAXINFO).empty());
    EXPECT_EQ(Desktop().NativeWindow(form)->desc.bounds, Rect(0, 0, 1280, 760));
    SendMessage(form, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(form));
    GetWindowRect(form, r);
    EXPECT_EQ(r, Rect(100, 100, 400, 300));
    EXPECT_EQ(Received(form, WM_SIZE).back().wParam, WPARAM(SIZE_RESTORED));
}

TEST_F(DefWindowProcTest, MinimiseTellsTheDesktopAndGivesUpActivation)
{
    const HWND form = TopLevel({100, 100, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Pump();
    log.clear();
    SendMessage(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(form));
    EXPECT_TRUE(Desktop().NativeWindow(form)->minimized);
    EXPECT_EQ(Received(form, WM_SIZE).back().wParam, WPARAM(SIZE_MINIMIZED));
    EXPECT_EQ(GetActiveWindow(), m_top);
    ShowWindow(form, SW_RESTORE);
    EXPECT_FALSE(IsIconic(form));
    EXPECT_FALSE(Desktop().NativeWindow(form)->minimized);
    EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(DefWindowProcTest, MinimisingFromTheMaximisedStateRestoresToMaximised)
{
    const HWND form = TopLevel({100, 100, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ShowWindow(form, SW_SHOWMAXIMIZED);
    ShowWindow(form, SW_MINIMIZE);
    ShowWindow(form, SW_RESTORE);
    EXPECT_TRUE(IsZoomed(form));
    ShowWindow(form, SW_RESTORE);
    RECT r;
    GetWindowRect(form, r);
    EXPECT_EQ(r, Rect(100, 100, 400, 300));
}

TEST_F(DefWindowProcTest, TheDesktopsMinimiseAndRestoreChangeTheShowState)
{
    Desktop().InjectMinimize(m_top);
    Pump();
    EXPECT_TRUE(IsIconic(m_top));
    Desktop().InjectRestore(m_top);
    Pump();
    EXPECT_FALSE(IsIconic(m_top));
}

TEST_F(DefWindowProcTest, DoubleClickOnTheCaptionTogglesMaximise)
{
    const HWND form = TopLevel({100, 100, 400, 300}, WS_POPUP | WS_VISIBLE | WS_MAXIMIZEBOX);
    handler = [form](HWND h, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (h == form && m == WM_NCHITTEST && LParamToPoint(l).Y < 120) return HTCAPTION;
        return std::nullopt;
    };
    Pump();
    SendMessage(form, WM_NCLBUTTONDBLCLK, HTCAPTION, PointToLParam({200, 110}));
    EXPECT_TRUE(IsZoomed(form));
    SendMessage(form, WM_NCLBUTTONDBLCLK, HTCAPTION, PointToLParam({200, 10}));
    EXPECT_FALSE(IsZoomed(form));
}

TEST_F(DefWindowProcTest, TheDesktopMovingAWindowUpdatesItsRectangle)
{
    Desktop().InjectDesktopMove(m_top, {30, 40, 430, 440});
    Pump();
    RECT r;
    GetWindowRect(m_top, r);
    EXPECT_EQ(r, Rect(30, 40, 430, 440));
    ASSERT_EQ(Received(m_top, WM_MOVE).size(), 1u);
    EXPECT_EQ(LParamToPoint(Received(m_top, WM_MOVE)[0].lParam), Point(30, 40));
}

TEST_F(DefWindowProcTest, ASizeTheWindowRefusesGoesBackToTheDesktop)
{
    handler = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = {300, 200};
        return std::nullopt;
    };
    const HWND form = TopLevel({0, 0, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Desktop().InjectDesktopMove(form, {10, 10, 110, 60});
    Pump();
    RECT r;
    GetWindowRect(form, r);
    EXPECT_EQ(r, Rect(10, 10, 310, 210));
    EXPECT_EQ(Desktop().NativeWindow(form)->desc.bounds, Rect(10, 10, 310, 210));
}

TEST_F(DefWindowProcTest, TheSessionsEndPostsQuit)
{
    Desktop().InjectQuit();
    EXPECT_FALSE(System().ProcessPending());
}

TEST_F(DefWindowProcTest, RedrawOffKeepsInvalidationAway)
{
    SendMessage(m_top, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(m_top, nullptr, true);
    EXPECT_FALSE(GetUpdateRect(m_top, nullptr, false));
    SendMessage(m_top, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_top, nullptr, true);
    EXPECT_TRUE(GetUpdateRect(m_top, nullptr, false));
}

TEST_F(DefWindowProcTest, SizableWindowsKeepToTheirTrackSizes)
{
    handler = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = {150, 100};
        return std::nullopt;
    };
    const HWND sizable = TopLevel({0, 0, 300, 300}, WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
    SetWindowPos(sizable, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    RECT r;
    GetWindowRect(sizable, r);
    EXPECT_EQ(r, Rect(0, 0, 150, 100));
    SetWindowPos(m_top, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(m_top, r);
    EXPECT_EQ(r, Rect(0, 0, 50, 50)) << "borderless pop-ups take any size";
}

}  // namespace
}  // namespace wintest
