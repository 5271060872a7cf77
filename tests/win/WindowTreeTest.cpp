// The window tree: creation and destruction order, handles that never
// dangle, owners, z-order, styles, properties, replaceable procedures and
// the non-client layout that WM_NCCALCSIZE computes.

#include "WindowTestHarness.h"

namespace wintest {
namespace {

class WindowTreeTest : public WindowTest {};

TEST_F(WindowTreeTest, CreationSendsTheClassicSequence)
{
    const HWND top = TopLevel({10, 10, 110, 60}, WS_POPUP | WS_VISIBLE);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(FollowsTable(log, {{top, WM_NCCREATE},
                                   {top, WM_NCCALCSIZE},
                                   {top, WM_CREATE},
                                   {top, WM_SIZE},
                                   {top, WM_MOVE},
                                   {top, WM_SHOWWINDOW},
                                   {top, WM_WINDOWPOSCHANGING},
                                   Maybe(top, WM_NCACTIVATE),
                                   {top, WM_ACTIVATE},
                                   {top, WM_SETFOCUS},
                                   {top, WM_WINDOWPOSCHANGED}}));
    EXPECT_TRUE(IsWindowVisible(top));
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(WindowTreeTest, HiddenCreationStopsBeforeShowing)
{
    const HWND top = TopLevel({0, 0, 50, 50}, WS_POPUP);
    EXPECT_TRUE(MessagesOf(top, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGED}).empty());
    EXPECT_FALSE(IsWindowVisible(top));
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowTreeTest, CreateReturningMinusOneDestroysTheWindow)
{
    handler = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CREATE) return -1;
        return std::nullopt;
    };
    const HWND top = TopLevel({0, 0, 50, 50});
    EXPECT_EQ(top, nullptr);
    ASSERT_FALSE(log.empty());
    const HWND made = log.front().hwnd;
    EXPECT_FALSE(IsWindow(made));
    EXPECT_TRUE(FollowsTable(log, {{made, WM_CREATE}, {made, WM_DESTROY}, {made, WM_NCDESTROY}}));
    EXPECT_EQ(Desktop().NativeWindow(made), nullptr);
}

TEST_F(WindowTreeTest, UnknownClassesAndChildrenWithoutParentFail)
{
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "recorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr) != nullptr, true)
        << "class names are case-insensitive";
}

TEST_F(WindowTreeTest, DestructionGoesParentFirstThenChildrenBack)
{
    const HWND top = TopLevel({0, 0, 200, 200});
    const HWND child = Child(top, {0, 0, 50, 50});
    const HWND grandChild = Child(child, {0, 0, 10, 10});
    log.clear();
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_TRUE(FollowsTable(log, {{top, WM_DESTROY},
                                   {child, WM_DESTROY},
                                   {grandChild, WM_DESTROY},
                                   {grandChild, WM_NCDESTROY},
                                   {child, WM_NCDESTROY},
                                   {top, WM_NCDESTROY}}));
    for (HWND h : {top, child, grandChild}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowTreeTest, DestroyedHandlesNeverDangle)
{
    const HWND first = TopLevel({0, 0, 50, 50});
    DestroyWindow(first);
    const HWND second = TopLevel({0, 0, 50, 50});
    EXPECT_NE(first, second) << "handle values are never reused";
    log.clear();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(SendMessage(first, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(first, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(first));
    EXPECT_FALSE(ShowWindow(first, SW_SHOW));
    EXPECT_FALSE(SetWindowPos(first, nullptr, 0, 0, 5, 5, SWP_NOZORDER));
    RECT r;
    EXPECT_FALSE(GetWindowRect(first, r));
    EXPECT_EQ(SetFocus(first), nullptr);
    EXPECT_EQ(SetTimer(first, 1, 100, nullptr), 0u);
    EXPECT_TRUE(log.empty()) << "nothing reaches a dead window";
}

TEST_F(WindowTreeTest, PostedMessagesToADestroyedWindowAreDropped)
{
    const HWND top = TopLevel({0, 0, 50, 50});
    PostMessage(top, WM_USER, 0, 0);
    DestroyWindow(top);
    log.clear();
    Pump();
    EXPECT_TRUE(Received(top, WM_USER).empty());
}

TEST_F(WindowTreeTest, OwnedWindowsGoFirstAndStayAboveTheirOwner)
{
    const HWND owner = TopLevel({0, 0, 100, 100});
    const HWND owned = TopLevel({10, 10, 50, 50}, WS_POPUP | WS_VISIBLE, 0, owner);
    const HWND other = TopLevel({20, 20, 60, 60});
    EXPECT_EQ(GetParent(owned), owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    BringWindowToTop(owner);
    const std::vector<HWND> order = GetTopLevelWindows();
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], owned);
    EXPECT_EQ(order[1], owner);
    EXPECT_EQ(order[2], other);
    log.clear();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_TRUE(FollowsTable(log, {{owned, WM_DESTROY}, {owned, WM_NCDESTROY}, {owner, WM_DESTROY}, {owner, WM_NCDESTROY}}));
}

TEST_F(WindowTreeTest, SetWindowPosOrdersSiblings)
{
    const HWND top = TopLevel({0, 0, 200, 200});
    const HWND a = Child(top, {0, 0, 10, 10});
    const HWND b = Child(top, {0, 0, 10, 10});
    const HWND c = Child(top, {0, 0, 10, 10});
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{c, b, a})) << "new children go on top";
    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{b, a, c}));
    SetWindowPos(b, a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{a, b, c}));
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{c, a, b}));
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), c);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(top, GW_CHILD), c);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
}

TEST_F(WindowTreeTest, TopmostWindowsStayAboveTheOthers)
{
    const HWND pinned = TopLevel({0, 0, 10, 10});
    SetWindowPos(pinned, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const HWND later = TopLevel({0, 0, 10, 10});
    BringWindowToTop(later);
    EXPECT_EQ(GetTopLevelWindows().front(), pinned);
    EXPECT_TRUE(GetWindowLongPtr(pinned, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringWindowToTop(later);
    EXPECT_EQ(GetTopLevelWindows().front(), later);
    const std::vector<HWND>& native = Desktop().NativeZOrder();
    EXPECT_EQ(native.back(), later) << "the backend hears the z-order, bottom to top";
}

TEST_F(WindowTreeTest, MovingAndSizingNotifiesTheClientChange)
{
    const HWND top = TopLevel({0, 0, 200, 200});
    const HWND child = Child(top, {10, 10, 60, 40});
    log.clear();
    MoveWindow(child, 20, 30, 50, 30, true);
    EXPECT_TRUE(MessagesOf(child, {WM_SIZE}).empty()) << "same size: no WM_SIZE";
    ASSERT_EQ(Received(child, WM_MOVE).size(), 1u);
    EXPECT_EQ(LParamToPoint(Received(child, WM_MOVE)[0].lParam), Point(20, 30));
    log.clear();
    SetWindowPos(child, nullptr, 0, 0, 70, 35, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(Received(child, WM_SIZE).size(), 1u);
    EXPECT_EQ(Received(child, WM_SIZE)[0].lParam, MAKELPARAM(70, 35));
    EXPECT_TRUE(MessagesOf(child, {WM_MOVE}).empty());
    RECT r;
    GetWindowRect(child, r);
    EXPECT_EQ(r, Rect(20, 30, 90, 65));
}

TEST_F(WindowTreeTest, CoordinatesMapThroughTheTree)
{
    const HWND top = TopLevel({100, 50, 400, 350});
    const HWND child = Child(top, {10, 20, 110, 120}, WS_CHILD | WS_VISIBLE | WS_BORDER);
    POINT p{0, 0};
    ClientToScreen(child, p);
    EXPECT_EQ(p, Point(111, 71)) << "the border moves the client area in by one";
    ScreenToClient(child, p);
    EXPECT_EQ(p, Point(0, 0));
    POINT pts[1] = {{5, 5}};
    MapWindowPoints(child, top, pts, 1);
    EXPECT_EQ(pts[0], Point(16, 26));
    EXPECT_EQ(GetAncestorRoot(child), top);
    EXPECT_TRUE(IsChild(top, child));
    EXPECT_FALSE(IsChild(child, top));
    RECT screen;
    EXPECT_TRUE(GetWindowRect(GetDesktopWindow(), screen));
    EXPECT_EQ(screen, Rect(0, 0, 1280, 800));
}

struct FrameCase {
    DWORD style;
    DWORD exStyle;
    bool child;
    RECT client;  // of a 100 x 80 window, window coordinates
};

class NonClientCalcTest : public WindowTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(NonClientCalcTest, DefaultClientRectangle)
{
    const FrameCase& c = GetParam();
    const HWND top = TopLevel({0, 0, 300, 300});
    const HWND w = c.child ? Child(top, {5, 5, 105, 85}, c.style | WS_CHILD, c.exStyle) : TopLevel({5, 5, 105, 85}, c.style, c.exStyle);
    RECT client;
    GetClientRect(w, client);
    EXPECT_EQ(client, Rect(0, 0, c.client.Width(), c.client.Height()));
    POINT origin{0, 0};
    ClientToScreen(w, origin);
    RECT window;
    GetWindowRect(w, window);
    EXPECT_EQ(origin - window.TopLeft(), c.client.TopLeft());
}

INSTANTIATE_TEST_SUITE_P(
    Frames, NonClientCalcTest,
    ::testing::Values(FrameCase{0, 0, true, {0, 0, 100, 80}},
                      FrameCase{WS_BORDER, 0, true, {1, 1, 99, 79}},
                      FrameCase{0, WS_EX_CLIENTEDGE, true, {2, 2, 98, 78}},
                      FrameCase{WS_VSCROLL, 0, true, {0, 0, 84, 80}},
                      FrameCase{WS_BORDER | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, true, {3, 3, 81, 61}},
                      // The desktop decorates captioned top-level windows: no frame of ours.
                      FrameCase{WS_OVERLAPPEDWINDOW, 0, false, {0, 0, 100, 80}},
                      // Borderless top-level windows lay out like children.
                      FrameCase{WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, false, {3, 3, 97, 77}}));

TEST_F(WindowTreeTest, AdjustWindowRectMatchesTheLayout)
{
    RECT r{0, 0, 94, 74};
    AdjustWindowRectEx(r, WS_CHILD | WS_BORDER, false, WS_EX_CLIENTEDGE);
    EXPECT_EQ(r, Rect(-3, -3, 97, 77));
    RECT captioned{10, 10, 50, 50};
    AdjustWindowRectEx(captioned, WS_OVERLAPPEDWINDOW, false, 0);
    EXPECT_EQ(captioned, Rect(10, 10, 50, 50));
}

TEST_F(WindowTreeTest, StyleChangesAreAnnouncedAndFrameChangesRecalculate)
{
    const HWND top = TopLevel({0, 0, 200, 200});
    const HWND child = Child(top, {0, 0, 100, 100});
    log.clear();
    const LONG_PTR old = SetWindowLongPtr(child, GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(DWORD(old), DWORD(WS_CHILD | WS_VISIBLE));
    EXPECT_TRUE(FollowsTable(log, {{child, WM_STYLECHANGING}, {child, WM_STYLECHANGED}}));
    EXPECT_EQ(Received(child, WM_STYLECHANGED)[0].wParam, WPARAM(GWL_STYLE));
    RECT client;
    GetClientRect(child, client);
    EXPECT_EQ(client, Rect(0, 0, 100, 100)) << "the frame follows only with SWP_FRAMECHANGED";
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(child, client);
    EXPECT_EQ(client, Rect(0, 0, 98, 98));
}

TEST_F(WindowTreeTest, TakingTheCaptionAwayMakesTheNativeWindowBorderless)
{
    const HWND form = TopLevel({0, 0, 200, 100}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_NE(Desktop().NativeWindow(form), nullptr);
    EXPECT_EQ(Desktop().NativeWindow(form)->desc.kind, win::NativeKind::Decorated);
    SetWindowLongPtr(form, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(Desktop().NativeWindow(form)->desc.kind, win::NativeKind::Borderless);
    EXPECT_TRUE(Desktop().NativeWindow(form)->visible);
}

TEST_F(WindowTreeTest, WindowProceduresCanBeReplacedAndChained)
{
    const HWND top = TopLevel({0, 0, 50, 50});
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtr(top, GWL_WNDPROC));
    int seen = 0;
    const WNDPROC hook = MakeObjectInstance([&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) ++seen;
        return CallWindowProc(original, h, m, w, l);
    });
    EXPECT_EQ(SetWindowLongPtr(top, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(hook)), reinterpret_cast<LONG_PTR>(original));
    log.clear();
    SendMessage(top, WM_USER, 1, 2);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(Received(top, WM_USER).size(), 1u) << "the original procedure still runs";
    SetWindowLongPtr(top, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    FreeObjectInstance(hook);
    EXPECT_EQ(CallWindowProc(hook, top, WM_USER, 0, 0), 0) << "a freed procedure is never called";
    EXPECT_EQ(seen, 1);
}

TEST_F(WindowTreeTest, IdsUserDataPropertiesAndText)
{
    const HWND top = TopLevel({0, 0, 50, 50});
    const HWND child = CreateWindowEx(0, "Recorder", "名字", WS_CHILD, 0, 0, 5, 5, top, reinterpret_cast<HMENU>(42), nullptr);
    EXPECT_EQ(GetWindowLongPtr(child, GWL_ID), 42);
    SetWindowLongPtr(child, GWL_USERDATA, 7);
    EXPECT_EQ(GetWindowLongPtr(child, GWL_USERDATA), 7);
    int value = 0;
    EXPECT_TRUE(SetProp(child, "Owner", &value));
    EXPECT_EQ(GetProp(child, "Owner"), &value);
    EXPECT_EQ(RemoveProp(child, "Owner"), &value);
    EXPECT_EQ(GetProp(child, "Owner"), nullptr);
    EXPECT_EQ(GetWindowText(child), "名字");
    SetWindowText(top, "标题");
    EXPECT_EQ(GetWindowText(top), "标题");
    EXPECT_EQ(Desktop().NativeWindow(top)->desc.title, "标题") << "top-level titles reach the desktop";
    EXPECT_EQ(SendMessage(top, WM_GETTEXTLENGTH, 0, 0), 2) << "lengths count characters";
    EXPECT_EQ(GetClassName(child), "Recorder");
}

TEST_F(WindowTreeTest, SetParentMovesWindowsBetweenParentsAndTopLevel)
{
    const HWND a = TopLevel({0, 0, 100, 100});
    const HWND b = TopLevel({200, 0, 300, 100});
    const HWND child = Child(a, {5, 5, 25, 25});
    EXPECT_EQ(SetParent(child, b), a);
    EXPECT_EQ(GetParent(child), b);
    EXPECT_EQ(GetChildWindows(b), std::vector<HWND>{child});
    EXPECT_TRUE(GetChildWindows(a).empty());
    EXPECT_EQ(SetParent(b, child), nullptr) << "a window cannot go inside itself";
    EXPECT_EQ(SetParent(child, nullptr), b);
    EXPECT_NE(Desktop().NativeWindow(child), nullptr) << "a new top-level window gets a native window";
    EXPECT_EQ(SetParent(child, a), GetDesktopWindow());
    EXPECT_EQ(Desktop().NativeWindow(child), nullptr);
}

}  // namespace
}  // namespace wintest
